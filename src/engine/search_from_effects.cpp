#include "engine/search_from_effects.h"

#include "engine/evaluate_potion.h"

#include <algorithm>
#include <bit>

namespace qor {

// How the enumeration stays exact while skipping most candidates: it walks a,
// b and c in the order of the enumeration loops, and only leaves out values
// that cannot pass the tests. Every prune below is a necessary condition of
// strict evaluation plus the effect test:
//  - an effect of the recipe is shared by at least two of its ingredients;
//  - strict evaluation credits every ingredient, so each one shares an effect
//    with another, and a triple has at least two shared effects;
//  - the recipe has at most as many effects as there are shared ones, and
//    without purity exactly min(5, shared) of them;
//  - the first Emin wanted entries always take part in the matching (the
//    recipe has at least Emin effects), so each of them needs a shared effect
//    that satisfies it.
// The remaining candidates go through EvaluatePotion and the literal tests.

namespace {

constexpr int kBits = 64;

int wordsFor(int bits) {
    return (bits + kBits - 1) / kBits;
}

bool testBit(const std::uint64_t *set, int i) {
    return ((set[i / kBits] >> (i % kBits)) & 1u) != 0;
}
void setBit(std::uint64_t *set, int i) {
    set[i / kBits] |= std::uint64_t{1} << (i % kBits);
}

// Number of set bits of a set that holds a handful of them (shared effects);
// cheaper than a portable popcount on targets without the instruction.
int sparseCount(std::uint64_t bits) {
    int n = 0;
    for (; bits != 0; bits &= bits - 1)
        ++n;
    return n;
}

// Calls f(i) for every set bit i >= from, in increasing order, while f returns true.
template <typename F> bool forEachBitFrom(const std::uint64_t *set, int words, int from, F &&f) {
    if (from < 0)
        from = 0;
    int w = from / kBits;
    if (w >= words)
        return true;
    std::uint64_t bits = set[w] & (~std::uint64_t{0} << (from % kBits));
    for (;;) {
        while (bits != 0) {
            const int i = w * kBits + std::countr_zero(bits);
            bits &= bits - 1;
            if (!f(i))
                return false;
        }
        if (++w >= words)
            return true;
        bits = set[w];
    }
}

} // namespace

void EffectSearcher::prepare(const GameData &data, const EffectStrengths &strengths,
                             std::span<const std::uint8_t> itemAvailable) {
    const int itemCount = strengths.itemRecordCount();
    const int effectCount = data.effectRecordCount();
    m_itemWords = wordsFor(std::max(itemCount, 1));
    m_words = wordsFor(std::max(effectCount, 1));

    m_effects.assign(static_cast<std::size_t>(itemCount) * m_words, 0);
    m_itemsWith.assign(static_cast<std::size_t>(effectCount) * m_itemWords, 0);
    m_availBits.assign(m_itemWords, 0);
    for (int i = 1; i < itemCount; ++i) {
        if (static_cast<std::size_t>(i) < itemAvailable.size() && itemAvailable[i] != 0)
            setBit(m_availBits.data(), i);
        // The table gives an empty slot and an index outside the effect
        // table as effect 0, as EvaluatePotion sees them.
        for (int j = 0; j < kSlotsPerItem; ++j) {
            const SlotStrength &slot = strengths.slot(i, j);
            // A table left over from before the slots were rearranged.
            Q_ASSERT(slot.Effect == 0 ||
                     slot.Effect == data.ItemTable[std::size_t(i)].Eff[std::size_t(j)].Effect);
            if (slot.Effect == 0)
                continue;
            Q_ASSERT(slot.Effect > 0 && slot.Effect < effectCount);
            setBit(&m_effects[static_cast<std::size_t>(i) * m_words], slot.Effect);
            setBit(&m_itemsWith[static_cast<std::size_t>(slot.Effect) * m_itemWords], i);
        }
    }
    m_scratch.assign(static_cast<std::size_t>(kScratchSets) * m_itemWords, 0);
}

void EffectSearcher::buildAcceptMasks(const GameData &data, const EffectSearchPlan &plan) {
    const int effectCount = data.effectRecordCount();
    m_acceptMasks.assign(static_cast<std::size_t>(kEffectLines) * m_words, 0);
    m_acceptAll.fill(false);
    m_required.clear();
    m_required.reserve(kEffectLines);
    for (int w = 0; w < plan.effMin; ++w) {
        std::uint64_t *mask = &m_acceptMasks[static_cast<std::size_t>(w) * m_words];
        const std::int32_t v = plan.WantedList[w];
        if (v > 0) {
            if (v < effectCount) {
                setBit(mask, v);
                m_required.push_back(v);
            }
            continue;
        }
        if (v == -FilterCode::NoneOrAny || v == -FilterCode::Any) {
            m_acceptAll[w] = true;
            continue;
        }
        for (int e = 1; e < effectCount; ++e) {
            if (wantedEntryAccepts(data, v, e))
                setBit(mask, e);
        }
    }
}

template <int kW>
void EffectSearcher::enumerate(const GameData &data, const EffectStrengths &strengths, bool perkPurity,
                               const EffectSearchPlan &plan, PotionList &list) {
    const int W = kW > 0 ? kW : m_words;
    const int IW = m_itemWords;
    const int H = data.highestItem();
    const int r1 = plan.requiredC;
    const int r2 = plan.requiredB;

    const auto effOf = [&](int item) { return &m_effects[static_cast<std::size_t>(item) * W]; };
    const auto itemsWith = [&](int e) { return &m_itemsWith[static_cast<std::size_t>(e) * IW]; };
    const auto mask = [&](int w) { return &m_acceptMasks[static_cast<std::size_t>(w) * W]; };
    std::uint64_t *bMask = &m_scratch[0 * static_cast<std::size_t>(IW)];
    std::uint64_t *cMask = &m_scratch[1 * static_cast<std::size_t>(IW)];
    std::uint64_t *nA = &m_scratch[2 * static_cast<std::size_t>(IW)];
    std::uint64_t *nB = &m_scratch[3 * static_cast<std::size_t>(IW)];
    std::uint64_t *tmp = &m_scratch[4 * static_cast<std::size_t>(IW)];

    // Without purity a recipe has exactly min(5, shared) effects.
    const bool exactCount = !perkPurity && plan.effMax < kMaxPotionEffects;
    const int effMin = plan.effMin;
    const int effMax = plan.effMax;

    // Ingredients sharing an effect with any effect of the set: the union of
    // the ingredients having one of them.
    const auto unionOfItemsWith = [&](std::uint64_t *out, const std::uint64_t *effSet) {
        std::fill_n(out, IW, 0);
        forEachBitFrom(effSet, W, 0, [&](int e) {
            const std::uint64_t *s = itemsWith(e);
            for (int i = 0; i < IW; ++i)
                out[i] |= s[i];
            return true;
        });
    };
    const auto andInto = [&](std::uint64_t *out, const std::uint64_t *s) {
        for (int i = 0; i < IW; ++i)
            out[i] &= s[i];
    };

    TPotionRec rec;
    bool full = list.isFull();
    // The literal tests of one candidate, after the cheap ones.
    const auto test = [&](int c, int b, int a) {
        if (!EvaluatePotion(data, strengths, perkPurity, rec, c, b, a, true))
            return;
        if (rec.EffCount < effMin || rec.EffCount > effMax)
            return;
        if (plan.checkCost && (rec.Cost < plan.priceMin || rec.Cost > plan.priceMax))
            return;
        if (!matchWantedEffects(data, plan, rec))
            return;
        list.AddPotion(rec);
        full = list.isFull();
    };

    // The shared effects of the candidate must satisfy the first Emin entries.
    const auto sharedAccepted = [&](const std::uint64_t *shared) {
        for (int w = 0; w < effMin; ++w) {
            if (m_acceptAll[w])
                continue;
            const std::uint64_t *m = mask(w);
            bool any = false;
            for (int i = 0; i < W && !any; ++i)
                any = (shared[i] & m[i]) != 0;
            if (!any)
                return false;
        }
        return true;
    };

    std::uint64_t sharedBuf[kW > 0 ? kW : 1];
    std::uint64_t abBuf[kW > 0 ? kW : 1];
    std::uint64_t unionBuf[kW > 0 ? kW : 1];
    std::uint64_t *shared = kW > 0 ? sharedBuf : m_effScratch.data();
    std::uint64_t *ab = kW > 0 ? abBuf : m_effScratch.data() + W;
    std::uint64_t *un = kW > 0 ? unionBuf : m_effScratch.data() + 2 * W;

    // b candidates for a given a: available, not a required ingredient of
    // another position, and having every required effect that a lacks (for a
    // pair, every required effect).
    const auto buildBMask = [&](int a) {
        if (r2 > 0) {
            std::fill_n(bMask, IW, 0);
            if (r2 <= H && testBit(m_availBits.data(), r2))
                setBit(bMask, r2);
        } else {
            std::copy_n(m_availBits.data(), IW, bMask);
            if (r1 > 0 && r1 <= H)
                bMask[r1 / kBits] &= ~(std::uint64_t{1} << (r1 % kBits));
        }
        for (std::int32_t e : m_required) {
            if (a == 0 || !testBit(effOf(a), e))
                andInto(bMask, itemsWith(e));
        }
    };

    // c candidates for the triple (a, b) or the pair (b): shares with the
    // others as strict evaluation needs, and can still satisfy the first Emin
    // entries. Returns false when no c can.
    const auto buildCMask = [&](int a, int b) {
        const std::uint64_t *eb = effOf(b);
        if (a == 0) {
            unionOfItemsWith(cMask, eb);
            for (int w = 0; w < effMin; ++w) {
                if (m_acceptAll[w])
                    continue;
                const std::uint64_t *m = mask(w);
                bool any = false;
                for (int i = 0; i < W; ++i) {
                    un[i] = eb[i] & m[i];
                    any = any || un[i] != 0;
                }
                if (!any)
                    return false;
                unionOfItemsWith(tmp, un);
                andInto(cMask, tmp);
            }
        } else {
            const std::uint64_t *ea = effOf(a);
            bool abShared = false;
            for (int i = 0; i < W; ++i) {
                ab[i] = ea[i] & eb[i];
                abShared = abShared || ab[i] != 0;
            }
            unionOfItemsWith(nB, eb);
            if (abShared) {
                for (int i = 0; i < IW; ++i)
                    cMask[i] = nA[i] | nB[i];
            } else {
                for (int i = 0; i < IW; ++i)
                    cMask[i] = nA[i] & nB[i];
            }
            // When a and b already share as many effects as a recipe may
            // have, a c that shares any further effect with them is too much.
            if (exactCount) {
                int abCount = 0;
                bool extra = false;
                for (int i = 0; i < W; ++i) {
                    abCount += sparseCount(ab[i]);
                    un[i] = (ea[i] | eb[i]) & ~ab[i];
                    extra = extra || un[i] != 0;
                }
                if (abCount == effMax && extra) {
                    unionOfItemsWith(tmp, un);
                    for (int i = 0; i < IW; ++i)
                        cMask[i] &= ~tmp[i];
                }
            }
            for (int w = 0; w < effMin; ++w) {
                if (m_acceptAll[w])
                    continue;
                const std::uint64_t *m = mask(w);
                bool inAb = false;
                bool any = false;
                for (int i = 0; i < W; ++i) {
                    inAb = inAb || (ab[i] & m[i]) != 0;
                    un[i] = (ea[i] | eb[i]) & m[i];
                    any = any || un[i] != 0;
                }
                if (inAb)
                    continue;
                if (!any)
                    return false;
                unionOfItemsWith(tmp, un);
                andInto(cMask, tmp);
            }
        }
        andInto(cMask, m_availBits.data());
        return true;
    };

    const auto visitC = [&](int a, int b) {
        const std::uint64_t *eb = effOf(b);
        const std::uint64_t *ea = a != 0 ? effOf(a) : nullptr;
        const auto candidate = [&](int c) {
            const std::uint64_t *ec = effOf(c);
            int count = 0;
            for (int i = 0; i < W; ++i) {
                shared[i] = a == 0 ? (eb[i] & ec[i]) : (ab[i] | (ec[i] & (ea[i] | eb[i])));
                count += sparseCount(shared[i]);
            }
            if (count < effMin || (a != 0 && count < 2) || (exactCount && count > effMax))
                return true;
            if (!sharedAccepted(shared))
                return true;
            test(c, b, a);
            return !full;
        };
        if (r1 > 0) {
            if (r1 <= H && testBit(cMask, r1))
                candidate(r1);
            return;
        }
        forEachBitFrom(cMask, IW, b + 1, candidate);
    };

    const auto visitA = [&](int a) {
        if (a != 0)
            unionOfItemsWith(nA, effOf(a));
        buildBMask(a);
        const int bStart = r2 > 0 ? r2 : a + 1;
        forEachBitFrom(bMask, IW, bStart, [&](int b) {
            if (a != 0 && exactCount) {
                const std::uint64_t *ea = effOf(a);
                const std::uint64_t *eb = effOf(b);
                int abCount = 0;
                for (int i = 0; i < W; ++i)
                    abCount += sparseCount(ea[i] & eb[i]);
                if (abCount > effMax)
                    return true;
            }
            if (buildCMask(a, b))
                visitC(a, b);
            return !full;
        });
    };

    if (full)
        return;
    // Mode 1 starts with the triples; every other mode with the pairs, and
    // only mode 0 stops after them.
    if (m_countMode != 1) {
        visitA(0);
        if (m_countMode == 0 || full)
            return;
    }
    // Without purity a triple has at least two effects.
    if (exactCount && effMax < 2)
        return;
    for (int a = 1; a <= H && !full; ++a) {
        if (a == r1 || a == r2 || !testBit(m_availBits.data(), a))
            continue;
        visitA(a);
    }
}

EffectSearchOutcome EffectSearcher::run(const GameData &data, const EffectStrengths &strengths,
                                        bool perkPurity, const SearchConditions &cond,
                                        std::span<const std::uint8_t> itemAvailable, bool clearFirst,
                                        PotionList &list) {
    Q_ASSERT(strengths.fits(data));
    EffectSearchOutcome outcome;
    outcome.countBefore = list.PotionCount();
    if (clearFirst)
        list.clear();
    const EffectSearchPlan plan = buildEffectSearchPlan(data, cond);
    if (plan.wantedCount > 0 && data.itemRecordCount() > 1) {
        prepare(data, strengths, itemAvailable);
        buildAcceptMasks(data, plan);
        m_countMode = cond.ItemsCountMode;
        if (m_words == 1)
            enumerate<1>(data, strengths, perkPurity, plan, list);
        else if (m_words == 2)
            enumerate<2>(data, strengths, perkPurity, plan, list);
        else {
            m_effScratch.assign(static_cast<std::size_t>(3) * m_words, 0);
            enumerate<0>(data, strengths, perkPurity, plan, list);
        }
    }
    list.SortPotions();
    outcome.countAfter = list.PotionCount();
    return outcome;
}

EffectSearchOutcome SearshFromEffects(const GameData &data, const EffectStrengths &strengths, bool perkPurity,
                                      const SearchConditions &cond,
                                      std::span<const std::uint8_t> itemAvailable, bool clearFirst,
                                      PotionList &list) {
    EffectSearcher searcher;
    return searcher.run(data, strengths, perkPurity, cond, itemAvailable, clearFirst, list);
}

} // namespace qor
