#include "brewing_plan/triple_set_cuts.h"

#include <algorithm>

namespace qor {

namespace {

constexpr double kEps = 1e-9;
// Sets of four to this many ingredients are tried (three hold one triple,
// which its bound row already limits), and at most this many sets per call.
constexpr std::size_t kMinSetSize = 4;
constexpr std::size_t kMaxSetSize = 6;
constexpr std::size_t kMaxEvaluations = 50000;

// Connected ingredient sets (ingredients joined by a triple of the plan),
// each reached once from its smallest member, scored by how far the triples
// inside exceed the cut's right-hand side.
class TripleSetSearch {
  public:
    TripleSetSearch(std::span<const std::vector<std::int32_t>> columnRows,
                    std::span<const std::int64_t> stock, std::span<const double> x,
                    std::span<const double> slack, const std::vector<std::vector<std::int32_t>> &rowSupport,
                    const std::vector<std::vector<std::int32_t>> &neighbours, double minViolation)
        : m_columnRows(columnRows), m_stock(stock), m_x(x), m_slack(slack), m_rowSupport(rowSupport),
          m_neighbours(neighbours), m_minViolation(minViolation), m_count(columnRows.size(), 0) {}

    void run() {
        for (std::int32_t v = 0; v < std::int32_t(m_neighbours.size()) && !exhausted(); ++v) {
            std::vector<std::int32_t> ext;
            for (const std::int32_t u : m_neighbours[std::size_t(v)]) {
                if (u > v)
                    ext.push_back(u);
            }
            m_set.assign(1, v);
            extend(std::move(ext), v, m_slack[std::size_t(v)]);
        }
    }

    std::vector<std::pair<double, std::vector<std::int32_t>>> &found() { return m_found; }

  private:
    bool exhausted() const { return m_evaluations >= kMaxEvaluations; }

    bool adjacentToSet(std::int32_t u) const {
        return std::any_of(m_set.begin(), m_set.end(), [&](std::int32_t s) {
            const auto &n = m_neighbours[std::size_t(s)];
            return std::binary_search(n.begin(), n.end(), u);
        });
    }

    // The usual subgraph enumeration: a row joins only from the rows the
    // set's newest member borders first. slack: the set's unused stock,
    // which only grows with the set and costs a third of itself.
    void extend(std::vector<std::int32_t> ext, std::int32_t root, double slack) {
        if (slack / 3.0 > 2.0 / 3.0 - m_minViolation)
            return;
        if (m_set.size() >= kMinSetSize)
            evaluate();
        if (m_set.size() == kMaxSetSize)
            return;
        while (!ext.empty() && !exhausted()) {
            const std::int32_t w = ext.back();
            ext.pop_back();
            std::vector<std::int32_t> next = ext;
            for (const std::int32_t u : m_neighbours[std::size_t(w)]) {
                if (u <= root || std::find(m_set.begin(), m_set.end(), u) != m_set.end() ||
                    std::find(next.begin(), next.end(), u) != next.end() || adjacentToSet(u))
                    continue;
                next.push_back(u);
            }
            m_set.push_back(w);
            extend(std::move(next), root, slack + m_slack[std::size_t(w)]);
            m_set.pop_back();
        }
    }

    void evaluate() {
        ++m_evaluations;
        std::int64_t stock = 0;
        double inside = 0.0;
        m_touched.clear();
        for (const std::int32_t i : m_set) {
            stock += m_stock[std::size_t(i)];
            for (const std::int32_t c : m_rowSupport[std::size_t(i)]) {
                if (m_count[std::size_t(c)]++ == 0)
                    m_touched.push_back(c);
            }
        }
        for (const std::int32_t c : m_touched) {
            if (m_count[std::size_t(c)] == 3)
                inside += m_x[std::size_t(c)];
            m_count[std::size_t(c)] = 0;
        }
        const double violation = inside - double(stock / 3);
        if (violation >= m_minViolation) {
            std::vector<std::int32_t> rows = m_set;
            std::sort(rows.begin(), rows.end());
            m_found.emplace_back(violation, std::move(rows));
        }
    }

    std::span<const std::vector<std::int32_t>> m_columnRows;
    std::span<const std::int64_t> m_stock;
    std::span<const double> m_x;
    std::span<const double> m_slack;
    const std::vector<std::vector<std::int32_t>> &m_rowSupport;
    const std::vector<std::vector<std::int32_t>> &m_neighbours;
    double m_minViolation;
    std::vector<std::int32_t> m_count;
    std::vector<std::int32_t> m_set;
    std::vector<std::int32_t> m_touched;
    std::vector<std::pair<double, std::vector<std::int32_t>>> m_found;
    std::size_t m_evaluations = 0;
};

} // namespace

TripleSetSeparator::TripleSetSeparator(std::span<const std::vector<std::int32_t>> columnRows,
                                       std::span<const std::int64_t> stock)
    : m_columnRows(columnRows), m_stock(stock), m_rowTriples(stock.size()) {
    for (std::size_t c = 0; c < columnRows.size(); ++c) {
        if (columnRows[c].size() != 3)
            continue;
        for (const std::int32_t i : columnRows[c])
            m_rowTriples[std::size_t(i)].push_back(std::int32_t(c));
    }
}

std::vector<OddSetCut> TripleSetSeparator::separate(std::span<const double> x, std::size_t maxCuts,
                                                    double minViolation) const {
    std::vector<double> slack(m_stock.begin(), m_stock.end());
    std::vector<std::vector<std::int32_t>> rowSupport(m_stock.size());
    for (std::size_t c = 0; c < m_columnRows.size() && c < x.size(); ++c) {
        if (x[c] <= kEps)
            continue;
        for (const std::int32_t i : m_columnRows[c]) {
            slack[std::size_t(i)] -= x[c];
            if (m_columnRows[c].size() == 3)
                rowSupport[std::size_t(i)].push_back(std::int32_t(c));
        }
    }
    for (double &s : slack)
        s = std::max(s, 0.0);
    // Rows joined by a triple of the plan; a row with two units or more
    // unused can be in no violated cut.
    std::vector<std::vector<std::int32_t>> neighbours(m_stock.size());
    for (std::size_t i = 0; i < m_stock.size(); ++i) {
        if (slack[i] / 3.0 > 2.0 / 3.0 - minViolation)
            continue;
        for (const std::int32_t c : rowSupport[i]) {
            for (const std::int32_t j : m_columnRows[std::size_t(c)]) {
                if (std::size_t(j) != i && slack[std::size_t(j)] / 3.0 <= 2.0 / 3.0 - minViolation)
                    neighbours[i].push_back(j);
            }
        }
        std::sort(neighbours[i].begin(), neighbours[i].end());
        neighbours[i].erase(std::unique(neighbours[i].begin(), neighbours[i].end()), neighbours[i].end());
    }
    TripleSetSearch search(m_columnRows, m_stock, x, slack, rowSupport, neighbours, minViolation);
    search.run();
    auto &found = search.found();
    // Large sets: every ingredient in stock (no plan brews more triples
    // than a third of the whole stock), and every one but one.
    std::vector<std::int32_t> all;
    std::int64_t allStock = 0;
    for (std::size_t i = 0; i < m_stock.size(); ++i) {
        if (m_stock[i] > 0) {
            all.push_back(std::int32_t(i));
            allStock += m_stock[i];
        }
    }
    double allInside = 0.0;
    for (std::size_t c = 0; c < m_columnRows.size() && c < x.size(); ++c) {
        if (m_columnRows[c].size() == 3 && x[c] > kEps)
            allInside += x[c];
    }
    if (allInside - double(allStock / 3) >= minViolation)
        found.emplace_back(allInside - double(allStock / 3), all);
    for (const std::int32_t i : all) {
        double inside = allInside;
        for (const std::int32_t c : rowSupport[std::size_t(i)])
            inside -= x[std::size_t(c)];
        const double violation = inside - double((allStock - m_stock[std::size_t(i)]) / 3);
        if (violation >= minViolation) {
            std::vector<std::int32_t> rows = all;
            rows.erase(std::find(rows.begin(), rows.end(), i));
            found.emplace_back(violation, std::move(rows));
        }
    }
    std::sort(found.begin(), found.end(), [](const auto &a, const auto &b) {
        return a.first != b.first ? a.first > b.first : a.second.size() < b.second.size();
    });
    std::vector<OddSetCut> cuts;
    for (const auto &[violation, rows] : found) {
        if (cuts.size() >= maxCuts)
            break;
        OddSetCut cut = cutOf(rows);
        cut.violation = violation;
        cuts.push_back(std::move(cut));
    }
    return cuts;
}

OddSetCut TripleSetSeparator::cutOf(std::span<const std::int32_t> rows) const {
    OddSetCut cut;
    cut.modulus = 3;
    cut.rows.assign(rows.begin(), rows.end());
    std::int64_t stock = 0;
    for (const std::int32_t i : rows)
        stock += m_stock[std::size_t(i)];
    cut.rhs = double(stock / 3);
    for (const std::int32_t i : rows) {
        for (const std::int32_t c : m_rowTriples[std::size_t(i)]) {
            const auto &items = m_columnRows[std::size_t(c)];
            const auto inRows = [&](std::int32_t j) {
                return std::find(rows.begin(), rows.end(), j) != rows.end();
            };
            // Counted once, from its smallest ingredient.
            if (*std::min_element(items.begin(), items.end()) == i &&
                std::all_of(items.begin(), items.end(), inRows))
                cut.columns.push_back(c);
        }
    }
    std::sort(cut.columns.begin(), cut.columns.end());
    cut.coefficients.assign(cut.columns.size(), 1.0);
    return cut;
}

} // namespace qor
