#include "brewing_plan/plan_pricing.h"

#include <algorithm>
#include <bit>

namespace qor {

namespace {

std::uint64_t tripleKey(std::uint64_t a, std::uint64_t b, std::uint64_t c) {
    return (a << 42) | (b << 21) | c;
}

} // namespace

PlanPricer::PlanPricer(std::size_t itemCount)
    : m_itemCount(itemCount), m_item(itemCount, 0.0), m_pair(itemCount * itemCount, 0.0) {}

void PlanPricer::setPrices(std::span<const double> itemPrice, std::span<const PricedCut> cuts) {
    std::fill(m_item.begin(), m_item.end(), 0.0);
    std::copy_n(itemPrice.begin(), std::min(itemPrice.size(), m_item.size()), m_item.begin());
    std::fill(m_pair.begin(), m_pair.end(), 0.0);
    m_triple.clear();
    m_tripleSetPrice.clear();
    for (const PricedCut &cut : cuts) {
        if (cut.price > 0.0 && cut.modulus == 3)
            m_tripleSetPrice.push_back(cut.price);
    }
    m_tripleSetWords = (m_tripleSetPrice.size() + 63) / 64;
    m_tripleSetMask.assign(m_itemCount * m_tripleSetWords, 0);
    std::size_t tripleSet = 0;
    std::vector<std::int32_t> rows;
    for (const PricedCut &cut : cuts) {
        if (cut.price <= 0.0)
            continue;
        if (cut.modulus == 3) {
            // Sets may hold every ingredient: a bit per ingredient, not a
            // list of the triples inside.
            for (const std::int32_t i : cut.rows)
                m_tripleSetMask[std::size_t(i) * m_tripleSetWords + tripleSet / 64] |= std::uint64_t{1}
                                                                                       << (tripleSet % 64);
            ++tripleSet;
            continue;
        }
        rows = cut.rows;
        std::sort(rows.begin(), rows.end());
        const std::size_t n = rows.size();
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t j = i + 1; j < n; ++j) {
                m_pair[std::size_t(rows[i]) * m_itemCount + std::size_t(rows[j])] += cut.price;
                for (std::size_t k = j + 1; k < n; ++k)
                    m_triple.emplace_back(tripleKey(rows[i], rows[j], rows[k]), cut.price);
            }
        }
    }
    // Sum the prices of a triple that lies in several cut sets.
    std::sort(m_triple.begin(), m_triple.end());
    std::size_t kept = 0;
    for (std::size_t t = 0; t < m_triple.size(); ++t) {
        if (kept > 0 && m_triple[kept - 1].first == m_triple[t].first)
            m_triple[kept - 1].second += m_triple[t].second;
        else
            m_triple[kept++] = m_triple[t];
    }
    m_triple.resize(kept);
}

double PlanPricer::tripleBonus(const PlanColumn &column) const {
    const auto key = tripleKey(column.items[0], column.items[1], column.items[2]);
    const auto at = std::lower_bound(m_triple.begin(), m_triple.end(), key,
                                     [](const auto &entry, std::uint64_t k) { return entry.first < k; });
    return at != m_triple.end() && at->first == key ? at->second : 0.0;
}

double PlanPricer::reducedValue(const PlanColumn &column) const {
    const std::int32_t a = column.items[0];
    const std::int32_t b = column.items[1];
    const std::int32_t c = column.items[2];
    double reduced = double(column.value) - m_item[std::size_t(a)] - m_item[std::size_t(b)] - pairPrice(a, b);
    if (c == 0)
        return reduced;
    const double ac = pairPrice(a, c);
    const double bc = pairPrice(b, c);
    reduced -= m_item[std::size_t(c)] + ac + bc;
    // All three inside one odd set only when every pair of them is.
    if (ac > 0.0 && bc > 0.0 && pairPrice(a, b) > 0.0)
        reduced += 2.0 * tripleBonus(column);
    for (std::size_t w = 0; w < m_tripleSetWords; ++w) {
        std::uint64_t inside = m_tripleSetMask[std::size_t(a) * m_tripleSetWords + w] &
                               m_tripleSetMask[std::size_t(b) * m_tripleSetWords + w] &
                               m_tripleSetMask[std::size_t(c) * m_tripleSetWords + w];
        for (; inside != 0; inside &= inside - 1)
            reduced -= m_tripleSetPrice[w * 64 + std::size_t(std::countr_zero(inside))];
    }
    return reduced;
}

} // namespace qor
