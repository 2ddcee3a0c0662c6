#include "discovery/cover_cuts.h"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>
#include <map>

namespace qor {

namespace {

// A cut broken by less than this is not worth a row.
constexpr double kMinViolation = 0.05;
// A column value this close to 0 or 1 counts as whole.
constexpr double kFractional = 1e-6;
// A group larger than this gets no triples: their number grows too fast.
constexpr std::size_t kMaxTripleGroup = 16;

// The fewest counts of traces (what columns show of the group, as masks)
// that show every element of the group of `size` elements.
int fewestCounts(std::span<const CoverCutPool::Mask> traces, int size, bool doubleFull) {
    using Mask = CoverCutPool::Mask;
    const Mask full = (Mask(1) << size) - 1;
    const auto count = [&](Mask t) { return 1 + (doubleFull && t == full ? 1 : 0); };
    constexpr int kNone = std::numeric_limits<int>::max() / 2;
    std::vector<int> best(std::size_t(full) + 1, kNone);
    best[0] = 0;
    for (Mask m = 0; m < full; ++m) {
        if (best[m] == kNone)
            continue;
        // Some trace must show the lowest element not shown yet.
        const Mask lowest = ~m & (m + 1);
        for (const Mask t : traces) {
            if ((t & lowest) != 0)
                best[m | t] = std::min(best[m | t], best[m] + count(t));
        }
    }
    return best[full];
}

} // namespace

bool CoverCuts::add(CoverCut cut) {
    if (std::find(m_cuts.begin(), m_cuts.end(), cut) != m_cuts.end())
        return false;
    const int k = int(m_cuts.size());
    for (const std::int32_t e : cut.elements)
        m_elementCuts[std::size_t(e)].push_back(k);
    m_cuts.push_back(std::move(cut));
    return true;
}

void CoverCuts::coefficientsOf(std::span<const std::int32_t> shown,
                               std::vector<std::pair<int, int>> &out) const {
    const std::size_t from = out.size();
    for (const std::int32_t e : shown) {
        for (const int k : m_elementCuts[std::size_t(e)])
            out.emplace_back(k, 0);
    }
    std::sort(out.begin() + std::ptrdiff_t(from), out.end());
    std::size_t kept = from;
    for (std::size_t k = from; k < out.size();) {
        std::size_t end = k;
        while (end < out.size() && out[end].first == out[k].first)
            ++end;
        out[kept++] = {out[k].first, m_cuts[std::size_t(out[k].first)].coefficient(int(end - k))};
        k = end;
    }
    out.resize(kept);
}

CoverCutPool::CoverCutPool(const CoverProblem &problem, bool brewItemCuts)
    : m_problem(problem), m_brewItemCuts(brewItemCuts), m_elementGroups(std::size_t(problem.elementCount)) {
    std::vector<bool> shown(std::size_t(problem.elementCount), false);
    for (const std::int32_t e : problem.elements)
        shown[std::size_t(e)] = true;
    // Groups of elements some column shows, by effect and by ingredient.
    std::map<std::pair<int, std::int32_t>, std::vector<std::int32_t>> byKey;
    for (int e = 0; e < problem.elementCount; ++e) {
        if (!shown[std::size_t(e)])
            continue;
        if (std::size_t(e) < problem.effectOf.size() && problem.effectOf[std::size_t(e)] > 0)
            byKey[{0, problem.effectOf[std::size_t(e)]}].push_back(e);
        if (std::size_t(e) < problem.itemOf.size() && problem.itemOf[std::size_t(e)] > 0)
            byKey[{1, problem.itemOf[std::size_t(e)]}].push_back(e);
    }
    for (auto &[key, elements] : byKey) {
        if (elements.size() < 2 || elements.size() > 31)
            continue;
        for (std::size_t p = 0; p < elements.size(); ++p)
            m_elementGroups[std::size_t(elements[p])].emplace_back(int(m_groups.size()), int(p));
        m_groups.push_back({std::move(elements), 0, false});
    }
    // Per ingredient its elements some column shows, and those columns.
    for (int e = 0; e < problem.elementCount && std::size_t(e) < problem.itemOf.size(); ++e) {
        const std::size_t item = std::size_t(problem.itemOf[std::size_t(e)]);
        if (item == 0 || !shown[std::size_t(e)])
            continue;
        if (m_itemElements.size() <= item)
            m_itemElements.resize(item + 1);
        m_itemElements[item].push_back(e);
    }
    m_itemColumns.resize(m_itemElements.size());
    for (int j = 0; !m_itemColumns.empty() && j < problem.columnCount(); ++j) {
        for (const std::int32_t e : problem.elementsOf(j)) {
            const std::size_t item = std::size_t(problem.itemOf[std::size_t(e)]);
            if (item < m_itemColumns.size() &&
                (m_itemColumns[item].empty() || m_itemColumns[item].back() != j))
                m_itemColumns[item].push_back(j);
        }
    }
    // What every column shows of every group.
    std::vector<std::vector<Mask>> traces(m_groups.size());
    std::vector<std::pair<int, Mask>> touched;
    for (int j = 0; j < problem.columnCount(); ++j) {
        for (const auto &[g, m] : tracesOf(problem.elementsOf(j), touched))
            traces[std::size_t(g)].push_back(m);
    }
    for (std::size_t g = 0; g < m_groups.size(); ++g) {
        std::vector<Mask> &t = traces[g];
        std::sort(t.begin(), t.end());
        t.erase(std::unique(t.begin(), t.end()), t.end());
        Group &group = m_groups[g];
        const int size = int(group.elements.size());
        if (size <= kMaxCutElements) {
            const Mask full = (Mask(1) << size) - 1;
            group.doubleFull = std::find(t.begin(), t.end(), full) != t.end();
            group.rhs = fewestCounts(t, size, group.doubleFull);
        } else {
            int widest = 1;
            for (const Mask m : t)
                widest = std::max(widest, std::popcount(m));
            group.rhs = (size + widest - 1) / widest;
        }
    }
}

std::span<const std::pair<int, CoverCutPool::Mask>>
CoverCutPool::tracesOf(std::span<const std::int32_t> shown, std::vector<std::pair<int, Mask>> &out) const {
    out.clear();
    for (const std::int32_t e : shown) {
        for (const auto &[g, p] : m_elementGroups[std::size_t(e)])
            out.emplace_back(g, Mask(1) << p);
    }
    std::sort(out.begin(), out.end());
    // One (group, mask) per group: the positions or-ed together.
    std::size_t kept = 0;
    for (std::size_t k = 0; k < out.size();) {
        Mask m = 0;
        std::size_t end = k;
        for (; end < out.size() && out[end].first == out[k].first; ++end)
            m |= out[end].second;
        out[kept++] = {out[k].first, m};
        k = end;
    }
    out.resize(kept);
    return out;
}

std::vector<CoverCut> CoverCutPool::separate(std::span<const int> columns, std::span<const double> values,
                                             std::size_t maxCuts) const {
    // What every column in the solution shows of every group it touches.
    std::vector<std::vector<std::pair<Mask, double>>> shown(m_groups.size());
    std::vector<std::pair<int, Mask>> touched;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (values[c] <= 1e-9)
            continue;
        for (const auto &[g, m] : tracesOf(m_problem.elementsOf(columns[c]), touched))
            shown[std::size_t(g)].emplace_back(m, values[c]);
    }
    std::vector<std::pair<double, CoverCut>> found;
    const auto consider = [&](const Group &group, Mask subset, bool doubleFull, int rhs,
                              std::span<const std::pair<Mask, double>> parts) {
        double lhs = 0.0;
        for (const auto &[m, x] : parts) {
            const Mask in = m & subset;
            if (in != 0)
                lhs += x * (1 + (doubleFull && in == subset ? 1 : 0));
        }
        if (double(rhs) - lhs < kMinViolation)
            return;
        CoverCut cut;
        for (std::size_t p = 0; p < group.elements.size(); ++p) {
            if ((subset & (Mask(1) << p)) != 0)
                cut.elements.push_back(group.elements[p]);
        }
        cut.doubleFull = doubleFull;
        cut.rhs = rhs;
        found.emplace_back(double(rhs) - lhs, std::move(cut));
    };
    for (std::size_t g = 0; g < m_groups.size(); ++g) {
        const Group &group = m_groups[g];
        const auto &parts = shown[g];
        const std::size_t size = group.elements.size();
        if (group.rhs >= 2)
            consider(group, (Mask(1) << size) - 1, group.doubleFull, group.rhs, parts);
        if (size < 3 || size > kMaxTripleGroup)
            continue;
        // Any three slots need two counts: two columns, or one that shows
        // all three counted twice.
        for (std::size_t a = 0; a < size; ++a) {
            for (std::size_t b = a + 1; b < size; ++b) {
                for (std::size_t c = b + 1; c < size; ++c)
                    consider(group, (Mask(1) << a) | (Mask(1) << b) | (Mask(1) << c), true, 2, parts);
            }
        }
    }
    if (m_brewItemCuts)
        separateBrewItems(columns, values, found);
    std::sort(found.begin(), found.end(), [](const auto &x, const auto &y) { return x.first > y.first; });
    std::vector<CoverCut> out;
    for (std::size_t k = 0; k < found.size() && out.size() < maxCuts; ++k)
        out.push_back(std::move(found[k].second));
    return out;
}

void CoverCutPool::separateBrewItems(std::span<const int> columns, std::span<const double> values,
                                     std::vector<std::pair<double, CoverCut>> &found) const {
    if (m_itemElements.empty())
        return;
    // The ingredient triples of the brews taken in part: a brew at half
    // its weight tempts the relaxation to spread its ingredients' slots
    // over several such brews.
    std::vector<std::array<std::int32_t, 3>> triples;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (values[c] <= kFractional || values[c] >= 1.0 - kFractional)
            continue;
        std::array<std::int32_t, 3> items = m_problem.columns[std::size_t(columns[c])].uses;
        std::sort(items.begin(), items.end());
        if (items[0] != 0)
            triples.push_back(items);
    }
    std::sort(triples.begin(), triples.end());
    triples.erase(std::unique(triples.begin(), triples.end()), triples.end());
    std::vector<double> value(std::size_t(m_problem.columnCount()), 0.0);
    for (std::size_t c = 0; c < columns.size(); ++c)
        value[std::size_t(columns[c])] = values[c];
    std::vector<std::int32_t> elements;
    std::vector<int> touching;
    std::vector<std::pair<int, Mask>> traced; // (column, what it shows of the elements)
    std::vector<Mask> traces;
    for (const auto &items : triples) {
        elements.clear();
        touching.clear();
        for (const std::int32_t item : items) {
            if (std::size_t(item) >= m_itemElements.size())
                continue;
            const auto &own = m_itemElements[std::size_t(item)];
            elements.insert(elements.end(), own.begin(), own.end());
            const auto &columnsOf = m_itemColumns[std::size_t(item)];
            touching.insert(touching.end(), columnsOf.begin(), columnsOf.end());
        }
        const int size = int(elements.size());
        if (size < 2 || size > kMaxCutElements)
            continue;
        std::sort(elements.begin(), elements.end());
        std::sort(touching.begin(), touching.end());
        touching.erase(std::unique(touching.begin(), touching.end()), touching.end());
        traced.clear();
        traces.clear();
        for (const int j : touching) {
            Mask m = 0;
            for (const std::int32_t e : m_problem.elementsOf(j)) {
                const auto at = std::lower_bound(elements.begin(), elements.end(), e);
                if (at != elements.end() && *at == e)
                    m |= Mask(1) << (at - elements.begin());
            }
            traced.emplace_back(j, m);
            traces.push_back(m);
        }
        std::sort(traces.begin(), traces.end());
        traces.erase(std::unique(traces.begin(), traces.end()), traces.end());
        const Mask full = (Mask(1) << size) - 1;
        const bool doubleFull = std::binary_search(traces.begin(), traces.end(), full);
        const int rhs = fewestCounts(traces, size, doubleFull);
        double lhs = 0.0;
        for (const auto &[j, m] : traced)
            lhs += value[std::size_t(j)] * (1 + (doubleFull && m == full ? 1 : 0));
        if (double(rhs) - lhs < kMinViolation)
            continue;
        found.emplace_back(double(rhs) - lhs, CoverCut{elements, doubleFull, rhs});
    }
}

} // namespace qor
