#pragma once
// Pricing for the plan's column generation: what a candidate recipe would
// add to the linear relaxation's optimum per brew, under the dual prices of
// the ingredient rows and of the odd-set cuts, without a column for it.
//
// A recipe r outside the relaxation meets the cut of ingredient set S with
// coefficient ⌊|r∩S| / 2⌋: for a pair or a triple that is 1 exactly when at
// least two of its ingredients lie in S, which counts as the sum over its
// pairs inside S less twice [all three in S]. So the cuts' prices fold into
// a price per ingredient pair and one per triple inside a cut set. A
// triple-set cut counts only the triples wholly inside its set.

#include "brewing_plan/plan_recipes.h"

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace qor {

struct PricedCut {
    std::vector<std::int32_t> rows; // the cut's ingredient set
    double price = 0.0;             // its dual price (≥ 0)
    std::int32_t modulus = 2;       // 2: odd-set cut; 3: triple-set cut
};

class PlanPricer {
  public:
    // Ingredients are indices below itemCount.
    explicit PlanPricer(std::size_t itemCount);

    // itemPrice[i]: the dual price of ingredient i's stock row (≥ 0).
    void setPrices(std::span<const double> itemPrice, std::span<const PricedCut> cuts);

    // value − the price of what one brew uses: positive when a column for
    // the recipe would improve the relaxation. Not meant for recipes whose
    // bound row is part of a cut; those are in the relaxation already.
    double reducedValue(const PlanColumn &column) const;

  private:
    double pairPrice(std::int32_t a, std::int32_t b) const {
        return m_pair[std::size_t(a) * m_itemCount + std::size_t(b)];
    }
    double tripleBonus(const PlanColumn &column) const;

    std::size_t m_itemCount;
    std::vector<double> m_item;
    std::vector<double> m_pair;                             // itemCount², filled for a < b
    std::vector<std::pair<std::uint64_t, double>> m_triple; // sorted by key: triples inside cut sets
    // Triple-set cuts with a price: per ingredient, a bit per cut whose set
    // holds it (m_tripleSetWords words each), and the cuts' prices.
    std::vector<std::uint64_t> m_tripleSetMask;
    std::vector<double> m_tripleSetPrice;
    std::size_t m_tripleSetWords = 0;
};

} // namespace qor
