#include "brewing_plan/odd_set_cuts.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qor {

namespace {

// Below this a plan value counts as zero.
constexpr double kEps = 1e-9;
// Largest ingredient set tried, and how many sets one call looks at: small
// connected sets carry nearly all the violated cuts of a vertex plan, so
// the sets are tried by size, smallest first.
constexpr std::size_t kMaxSetSize = 7;
constexpr std::size_t kMaxEvaluations = 50000;

// What a fractional plan looks like around the candidate rows.
struct SupportView {
    std::vector<double> slack;                         // per row
    std::vector<std::int32_t> support;                 // columns with x > 0
    std::vector<double> weight;                        // per support entry: slack lost when odd
    std::vector<double> flipCost;                      // extra loss when the bound row is swapped
    std::vector<bool> useBound;                        // per support entry: bound row cheaper
    std::vector<std::vector<std::int32_t>> rowSupport; // row -> support entries
};

struct Candidate {
    std::vector<std::int32_t> rows;
    std::vector<std::int32_t> boundColumns;
    double violation = 0.0;
};

class SetSearch {
  public:
    SetSearch(const SupportView &view, std::span<const std::vector<std::int32_t>> columnRows,
              std::span<const std::int64_t> stock, std::span<const std::int64_t> upper, double maxWeight)
        : m_view(view), m_columnRows(columnRows), m_stock(stock), m_upper(upper), m_maxWeight(maxWeight),
          m_count(view.support.size(), 0) {}

    // Enumerates connected row sets (rows joined by a support column) of
    // `size` rows, each once.
    void run(const std::vector<bool> &candidate, std::size_t size) {
        m_candidate = &candidate;
        m_size = size;
        if (m_neighbours.empty())
            buildNeighbours();
        for (std::int32_t v = 0; v < std::int32_t(m_stock.size()) && !exhausted(); ++v) {
            if (!candidate[std::size_t(v)])
                continue;
            std::vector<std::int32_t> ext;
            for (std::int32_t u : m_neighbours[std::size_t(v)]) {
                if (u > v)
                    ext.push_back(u);
            }
            m_set.assign(1, v);
            extend(ext, v);
        }
    }

    std::vector<Candidate> &found() { return m_found; }
    bool exhausted() const { return m_evaluations >= kMaxEvaluations; }

  private:
    void buildNeighbours() {
        m_neighbours.assign(m_stock.size(), {});
        for (std::size_t s = 0; s < m_view.support.size(); ++s) {
            const auto &rows = m_columnRows[std::size_t(m_view.support[s])];
            for (std::int32_t a : rows) {
                for (std::int32_t b : rows) {
                    if (a != b && (*m_candidate)[std::size_t(a)] && (*m_candidate)[std::size_t(b)])
                        m_neighbours[std::size_t(a)].push_back(b);
                }
            }
        }
        for (auto &n : m_neighbours) {
            std::sort(n.begin(), n.end());
            n.erase(std::unique(n.begin(), n.end()), n.end());
        }
    }

    bool adjacentToSet(std::int32_t u) const {
        for (std::int32_t s : m_set) {
            if (std::binary_search(m_neighbours[std::size_t(s)].begin(), m_neighbours[std::size_t(s)].end(),
                                   u))
                return true;
        }
        return false;
    }

    // Each connected set is reached once: a new row joins only from the
    // rows the set's members newly border (the usual subgraph enumeration).
    void extend(std::vector<std::int32_t> ext, std::int32_t root) {
        if (m_set.size() == m_size) {
            evaluate();
            return;
        }
        while (!ext.empty() && !exhausted()) {
            const std::int32_t w = ext.back();
            ext.pop_back();
            std::vector<std::int32_t> next = ext;
            for (std::int32_t u : m_neighbours[std::size_t(w)]) {
                if (u <= root || std::find(m_set.begin(), m_set.end(), u) != m_set.end() ||
                    std::find(next.begin(), next.end(), u) != next.end() || adjacentToSet(u))
                    continue;
                next.push_back(u);
            }
            m_set.push_back(w);
            extend(std::move(next), root);
            m_set.pop_back();
        }
    }

    void evaluate() {
        ++m_evaluations;
        double weight = 0.0;
        std::int64_t parity = 0;
        for (std::int32_t i : m_set) {
            weight += m_view.slack[std::size_t(i)];
            parity += m_stock[std::size_t(i)];
        }
        if (weight >= m_maxWeight)
            return;
        m_touched.clear();
        for (std::int32_t i : m_set) {
            for (std::int32_t s : m_view.rowSupport[std::size_t(i)]) {
                if (m_count[std::size_t(s)]++ == 0)
                    m_touched.push_back(s);
            }
        }
        double cheapestFlip = std::numeric_limits<double>::infinity();
        std::int32_t flip = -1;
        m_bound.clear();
        for (std::int32_t s : m_touched) {
            if (m_count[std::size_t(s)] % 2 != 0) {
                weight += m_view.weight[std::size_t(s)];
                const std::int64_t u = m_upper[std::size_t(m_view.support[std::size_t(s)])];
                if (m_view.useBound[std::size_t(s)]) {
                    parity += u;
                    m_bound.push_back(s);
                }
                if (u % 2 != 0 && m_view.flipCost[std::size_t(s)] < cheapestFlip) {
                    cheapestFlip = m_view.flipCost[std::size_t(s)];
                    flip = s;
                }
            }
            m_count[std::size_t(s)] = 0;
        }
        if (parity % 2 == 0) {
            // Swapping one odd column's bound row in or out mends the parity.
            if (flip < 0)
                return;
            weight += cheapestFlip;
            const auto at = std::find(m_bound.begin(), m_bound.end(), flip);
            if (at != m_bound.end())
                m_bound.erase(at);
            else
                m_bound.push_back(flip);
        }
        if (weight >= m_maxWeight)
            return;
        Candidate c;
        c.rows = m_set;
        std::sort(c.rows.begin(), c.rows.end());
        for (std::int32_t s : m_bound)
            c.boundColumns.push_back(m_view.support[std::size_t(s)]);
        c.violation = (1.0 - weight) / 2.0;
        m_found.push_back(std::move(c));
    }

    const SupportView &m_view;
    std::span<const std::vector<std::int32_t>> m_columnRows;
    std::span<const std::int64_t> m_stock;
    std::span<const std::int64_t> m_upper;
    double m_maxWeight;
    const std::vector<bool> *m_candidate = nullptr;
    std::vector<std::vector<std::int32_t>> m_neighbours;
    std::vector<std::int32_t> m_set;
    std::vector<std::int32_t> m_touched;
    std::vector<std::int32_t> m_bound;
    std::vector<std::int32_t> m_count;
    std::vector<Candidate> m_found;
    std::size_t m_evaluations = 0;
    std::size_t m_size = 0;
};

} // namespace

OddSetSeparator::OddSetSeparator(std::vector<std::vector<std::int32_t>> columnRows,
                                 std::vector<std::int64_t> stock, std::vector<std::int64_t> upper)
    : m_columnRows(std::move(columnRows)), m_rowColumns(stock.size()), m_stock(std::move(stock)),
      m_upper(std::move(upper)) {
    for (std::size_t c = 0; c < m_columnRows.size(); ++c) {
        for (std::int32_t i : m_columnRows[c])
            m_rowColumns[std::size_t(i)].push_back(std::int32_t(c));
    }
}

std::vector<OddSetCut> OddSetSeparator::separate(std::span<const double> x, std::size_t maxCuts,
                                                 double minViolation) const {
    SupportView view;
    view.slack.assign(m_stock.begin(), m_stock.end());
    view.rowSupport.resize(m_stock.size());
    for (std::size_t c = 0; c < m_columnRows.size() && c < x.size(); ++c) {
        const double v = std::clamp(x[c], 0.0, double(m_upper[c]));
        if (v <= kEps)
            continue;
        const double lo = v;
        const double hi = double(m_upper[c]) - v;
        const auto s = std::int32_t(view.support.size());
        view.support.push_back(std::int32_t(c));
        view.weight.push_back(std::max(std::min(lo, hi), 0.0));
        view.flipCost.push_back(std::abs(lo - hi));
        view.useBound.push_back(hi < lo);
        for (std::int32_t i : m_columnRows[c]) {
            view.slack[std::size_t(i)] -= v;
            view.rowSupport[std::size_t(i)].push_back(s);
        }
    }
    // A cut is violated by at least minViolation only when the slack lost in
    // rounding stays below 1 − 2·minViolation.
    const double maxWeight = 1.0 - 2.0 * minViolation;
    std::vector<bool> candidate(m_stock.size());
    for (std::size_t i = 0; i < m_stock.size(); ++i)
        candidate[i] = std::max(view.slack[i], 0.0) < maxWeight && !view.rowSupport[i].empty();
    for (double &s : view.slack)
        s = std::max(s, 0.0);

    SetSearch search(view, m_columnRows, m_stock, m_upper, maxWeight);
    for (std::size_t size = 2; size <= kMaxSetSize && !search.exhausted(); ++size) {
        search.run(candidate, size);
        if (search.found().size() >= maxCuts)
            break;
    }
    auto &found = search.found();
    std::sort(found.begin(), found.end(), [](const Candidate &a, const Candidate &b) {
        if (a.violation != b.violation)
            return a.violation > b.violation;
        return a.rows.size() < b.rows.size();
    });
    std::vector<OddSetCut> cuts;
    for (const Candidate &c : found) {
        if (cuts.size() >= maxCuts)
            break;
        OddSetCut cut = cutOf(c.rows, c.boundColumns);
        cut.violation = c.violation;
        if (!cut.columns.empty())
            cuts.push_back(std::move(cut));
    }
    return cuts;
}

OddSetCut OddSetSeparator::cutOf(std::span<const std::int32_t> rows,
                                 std::span<const std::int32_t> boundColumns) const {
    OddSetCut cut;
    cut.rows.assign(rows.begin(), rows.end());
    cut.boundColumns.assign(boundColumns.begin(), boundColumns.end());
    std::int64_t rhs2 = 0;
    std::vector<std::int32_t> touched;
    for (std::int32_t i : rows) {
        rhs2 += m_stock[std::size_t(i)];
        touched.insert(touched.end(), m_rowColumns[std::size_t(i)].begin(),
                       m_rowColumns[std::size_t(i)].end());
    }
    for (std::int32_t c : boundColumns) {
        rhs2 += m_upper[std::size_t(c)];
        touched.push_back(c);
    }
    // Every appearance of a column in `touched` is one half of its coefficient.
    std::sort(touched.begin(), touched.end());
    for (std::size_t k = 0; k < touched.size();) {
        std::size_t end = k;
        while (end < touched.size() && touched[end] == touched[k])
            ++end;
        const auto halves = std::int64_t(end - k);
        if (halves >= 2) {
            cut.columns.push_back(touched[k]);
            cut.coefficients.push_back(double(halves / 2));
        }
        k = end;
    }
    cut.rhs = double(rhs2 / 2);
    return cut;
}

} // namespace qor
