#pragma once
// Triple-set cuts for the plan's packing program. Every triple uses three
// units of stock, so the triples lying wholly inside an ingredient set S
// are brewed at most ⌊b(S) / 3⌋ times together:
//     Σ_{r ⊆ S, |r| = 3} x_r ≤ ⌊b(S) / 3⌋.
// The odd-set cuts cannot see this where every stock is even (two of each:
// four triples inside four ingredients brewed ⅔ times each is the typical
// fractional plan), and where stocks are odd it closes cliques the odd sets
// miss (any two triples inside five ingredients of one each share one).

#include "brewing_plan/odd_set_cuts.h"

#include <cstdint>
#include <span>
#include <vector>

namespace qor {

class TripleSetSeparator {
  public:
    // columnRows[c] lists the rows (ingredients) column c uses, each once;
    // stock[i] is row i's capacity.
    TripleSetSeparator(std::span<const std::vector<std::int32_t>> columnRows,
                       std::span<const std::int64_t> stock);

    // Cuts (modulus 3) violated by at least minViolation by the fractional
    // plan x, most violated first, at most maxCuts.
    std::vector<OddSetCut> separate(std::span<const double> x, std::size_t maxCuts,
                                    double minViolation = 0.02) const;

    // The cut of ingredient set `rows`.
    OddSetCut cutOf(std::span<const std::int32_t> rows) const;

  private:
    std::span<const std::vector<std::int32_t>> m_columnRows;
    std::span<const std::int64_t> m_stock;
    std::vector<std::vector<std::int32_t>> m_rowTriples; // row -> triple columns over it
};

} // namespace qor
