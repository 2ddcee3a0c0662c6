#include "engine/alt_making.h"

#include "engine/evaluate_potion.h"

#include <algorithm>

namespace qor {

namespace {

bool contains(const std::vector<std::int32_t> &values, std::int32_t v) {
    return std::find(values.begin(), values.end(), v) != values.end();
}

// Selection of an amount list after its entry at `position` was removed: the
// same row, or the new last row when the last entry went.
int selectionAfterRemoval(int selected, int position, int newLength) {
    if (newLength <= 0)
        return -1;
    if (position == newLength || selected >= newLength)
        return newLength - 1;
    return selected;
}

} // namespace

int AltMaking::preparePage(const GameData &data, int candidateSelection) {
    prepared = true;
    AltFillMakeEffAmount(data);
    AltCalcMakeEffects(data);
    return AltCalcMakeItems(data, candidateSelection);
}

bool AltMaking::AltAddItem(const GameData &data, const EffectStrengths &strengths, bool perkPurity,
                           PotionList &list, int item, AltSelection &selection) {
    if (item < 1 || item > data.highestItem())
        return false;
    if (static_cast<int>(AltItems.size()) >= kAltMaxItems || contains(AltItems, item))
        return false;
    AltItems.push_back(item);
    recalc(data, strengths, perkPurity, list, selection);
    return true;
}

bool AltMaking::AltAddEffect(const GameData &data, const EffectStrengths &strengths, bool perkPurity,
                             PotionList &list, int effect, AltSelection &selection) {
    if (effect < 1 || effect > data.highestEffect())
        return false;
    if (static_cast<int>(AltEffects.size()) >= kAltMaxEffects || contains(AltEffects, effect))
        return false;
    AltEffects.push_back(effect);
    recalc(data, strengths, perkPurity, list, selection);
    return true;
}

bool AltMaking::AltDelItem(const GameData &data, const EffectStrengths &strengths, bool perkPurity,
                           PotionList &list, int position, AltSelection &selection) {
    if (position < 0 || position >= static_cast<int>(AltItems.size()))
        return false;
    AltItems.erase(AltItems.begin() + position);
    selection.amountItems =
        selectionAfterRemoval(selection.amountItems, position, static_cast<int>(AltItems.size()));
    recalc(data, strengths, perkPurity, list, selection);
    return true;
}

bool AltMaking::AltDelEffect(const GameData &data, const EffectStrengths &strengths, bool perkPurity,
                             PotionList &list, int position, AltSelection &selection) {
    if (position < 0 || position >= static_cast<int>(AltEffects.size()))
        return false;
    AltEffects.erase(AltEffects.begin() + position);
    selection.amountEffects =
        selectionAfterRemoval(selection.amountEffects, position, static_cast<int>(AltEffects.size()));
    recalc(data, strengths, perkPurity, list, selection);
    return true;
}

void AltMaking::AltFillMakeEffAmount(const GameData &data) {
    AltItemEffects.clear();
    for (std::int32_t item : AltItems) {
        for (const TItemEffect &slot : data.ItemTable[item].Eff)
            AltItemEffects.push_back(slot.Effect);
    }
}

void AltMaking::AltCalcMakeEffects(const GameData &data) {
    const int m = data.highestEffect();
    const bool open = AltItems.size() < kAltMaxItems;
    AltEffectRows.clear();
    AltEffectRows.reserve(static_cast<std::size_t>(std::max(m, 0)));
    // Reachable rows first, then the others, each in ascending effect index.
    for (int pass = 0; pass < 2; ++pass) {
        const bool wantReachable = pass == 0;
        for (int e = 1; e <= m; ++e) {
            const bool reachable = open && (AltItemEffects.empty() || contains(AltItemEffects, e));
            if (reachable == wantReachable)
                AltEffectRows.push_back({e, reachable});
        }
    }
}

int AltMaking::AltCalcMakeItems(const GameData &data, int candidateSelection) {
    const int remembered =
        candidateSelection >= 0 && candidateSelection < static_cast<int>(AltCandidates.size())
            ? AltCandidates[candidateSelection]
            : 0;

    AltCandidates.clear();
    if (AltItems.size() < kAltMaxItems) {
        const int required = static_cast<int>(AltEffects.size());
        const int wanted = AltItems.empty() ? required : 2 * required;
        for (int i = 1; i <= data.highestItem(); ++i) {
            if (contains(AltItems, i))
                continue;
            const auto &slots = data.ItemTable[i].Eff;
            const auto hasEffect = [&slots](std::int32_t e) {
                return std::any_of(slots.begin(), slots.end(),
                                   [e](const TItemEffect &s) { return s.Effect == e; });
            };
            // An empty slot (effect 0) is shared with nothing.
            const bool shares = AltItemEffects.empty() ||
                                std::any_of(slots.begin(), slots.end(), [this](const TItemEffect &s) {
                                    return s.Effect > 0 && contains(AltItemEffects, s.Effect);
                                });
            if (!shares)
                continue;
            // One running total over all required effects; at 2 or 4 the
            // candidate's own effect is not added.
            int m = 0;
            for (std::int32_t r : AltEffects) {
                m += static_cast<int>(std::count(AltItemEffects.begin(), AltItemEffects.end(), r));
                if (m != 2 && m != 4 && hasEffect(r))
                    ++m;
            }
            if (m == wanted)
                AltCandidates.push_back(i);
        }
    }

    if (AltCandidates.empty())
        return -1;
    if (remembered > 0) {
        // The remembered ingredient, else the largest candidate below it.
        const auto it = std::upper_bound(AltCandidates.begin(), AltCandidates.end(), remembered);
        if (it != AltCandidates.begin())
            return static_cast<int>(it - AltCandidates.begin()) - 1;
    }
    return 0;
}

bool AltMaking::AltMakePotion(const GameData &data, const EffectStrengths &strengths, bool perkPurity,
                              PotionList &list) const {
    std::array<int, kAltMaxItems> items{};
    for (std::size_t k = 0; k < items.size() && k < AltItems.size(); ++k)
        items[k] = AltItems[k];
    list.clear();
    TPotionRec rec{};
    if (!EvaluatePotion(data, strengths, perkPurity, rec, items[0], items[1], items[2], false))
        return false;
    return list.AddPotion(rec);
}

void AltMaking::recalc(const GameData &data, const EffectStrengths &strengths, bool perkPurity,
                       PotionList &list, AltSelection &selection) {
    AltFillMakeEffAmount(data);
    AltCalcMakeEffects(data);
    selection.candidates = AltCalcMakeItems(data, selection.candidates);
    AltMakePotion(data, strengths, perkPurity, list);
}

std::vector<std::int32_t> AltMaking::reachableEffects(bool reachable) const {
    std::vector<std::int32_t> effects;
    for (const AltEffectRow &row : AltEffectRows) {
        if (row.reachable == reachable)
            effects.push_back(row.effect);
    }
    return effects;
}

} // namespace qor
