#pragma once
// Cuts that tighten the covering problem's relaxation. Its plain relaxation
// is weak where three ingredients share an effect: three brews, each pairing
// two of them, taken at half a brew each show all three slots at the cost of
// one and a half brews, while whole brews need two (or the one brew of all
// three). A cut names a few elements S and says: the columns that show some
// of S, each counted once (and the columns that show all of S twice), add up
// to at least the fewest such counts any plan needs to show all of S.

#include "discovery/cover_problem.h"

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace qor {

// The most elements a cut names: its right-hand side is found over the
// subsets of S.
inline constexpr int kMaxCutElements = 12;

struct CoverCut {
    std::vector<std::int32_t> elements; // ascending, at most kMaxCutElements
    bool doubleFull = false;            // a column showing all of S counts twice
    int rhs = 0;

    // What a column that shows `shown` of the cut's elements counts.
    int coefficient(int shown) const {
        return shown == 0 ? 0 : 1 + (doubleFull && shown == int(elements.size()) ? 1 : 0);
    }
    friend bool operator==(const CoverCut &, const CoverCut &) = default;
};

// The cuts of one relaxation, with a quick look-up of a column's
// coefficients.
class CoverCuts {
  public:
    explicit CoverCuts(int elementCount) : m_elementCuts(std::size_t(elementCount)) {}

    // False (and nothing added) when the cut is there already.
    bool add(CoverCut cut);
    std::size_t size() const { return m_cuts.size(); }
    const CoverCut &operator[](std::size_t k) const { return m_cuts[k]; }

    // (cut, coefficient) for every cut that counts the column, ascending.
    void coefficientsOf(std::span<const std::int32_t> shown, std::vector<std::pair<int, int>> &out) const;

  private:
    std::vector<CoverCut> m_cuts;
    std::vector<std::vector<int>> m_elementCuts; // element -> cuts naming it
};

// The slots of every effect and of every ingredient as groups, with what
// the problem's columns show of each; the cuts are found within a group.
class CoverCutPool {
  public:
    using Mask = std::uint32_t; // bit p: the group's element at position p

    // brewItemCuts: also cuts over the slots of a brew's three ingredients
    // (see separate).
    explicit CoverCutPool(const CoverProblem &problem, bool brewItemCuts = true);

    // Cuts that the relaxation's solution (columns with their values)
    // breaks by more than a small margin, most broken first, at most
    // maxCuts: over a group's slots, over triples within a group and over
    // the slots of the three ingredients of a brew taken in part.
    std::vector<CoverCut> separate(std::span<const int> columns, std::span<const double> values,
                                   std::size_t maxCuts) const;
    std::size_t groupCount() const { return m_groups.size(); }

  private:
    struct Group {
        std::vector<std::int32_t> elements; // ascending
        int rhs = 0;                        // of the cut over all of them (doubleFull when they fit one)
        bool doubleFull = false;
    };
    // What the shown elements are of each group they touch, ascending by
    // group; out is the storage.
    std::span<const std::pair<int, Mask>> tracesOf(std::span<const std::int32_t> shown,
                                                   std::vector<std::pair<int, Mask>> &out) const;

    // Cuts over all slots of the three ingredients of a brew the solution
    // takes in part, with (broken by, cut) into found.
    void separateBrewItems(std::span<const int> columns, std::span<const double> values,
                           std::vector<std::pair<double, CoverCut>> &found) const;

    const CoverProblem &m_problem;
    std::vector<Group> m_groups;
    // Per ingredient the elements some column shows, and those columns.
    std::vector<std::vector<std::int32_t>> m_itemElements;
    std::vector<std::vector<int>> m_itemColumns;
    bool m_brewItemCuts;
    // Per element the groups naming it and its position there.
    std::vector<std::vector<std::pair<int, int>>> m_elementGroups;
};

} // namespace qor
