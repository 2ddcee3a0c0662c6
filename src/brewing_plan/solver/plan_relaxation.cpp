#include "brewing_plan/solver/plan_relaxation.h"

#include "brewing_plan/triple_set_cuts.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qor {

namespace {

// Rounds of odd-set cuts, and cuts added per round.
constexpr int kCutRounds = 40;
constexpr std::size_t kCutsPerRound = 50;
// Candidates that join per pricing pass, best first: enough to need few
// passes, few enough to keep the program small.
constexpr std::size_t kColumnsPerPass = 400;
// Best candidates of every ingredient in the first program.
constexpr std::size_t kStartPerIngredient = 3;
// A candidate joins when a brew would add more than this to the optimum.
constexpr double kPriceTolerance = 1e-6;
// Candidates priced between two questions whether to stop.
constexpr std::size_t kPricesPerStopCheck = 1 << 16;

} // namespace

void PlanCuts::add(PlanCut cut) {
    const auto k = std::int32_t(m_cuts.size());
    for (const std::int32_t i : cut.rows)
        m_itemCuts[std::size_t(i)].push_back(k);
    for (const std::uint32_t c : cut.boundColumns)
        m_bound.emplace_back(c, k);
    std::sort(m_bound.begin(), m_bound.end());
    m_cuts.push_back(std::move(cut));
}

void PlanCuts::coefficientsOf(std::uint32_t index, const PlanColumn &column,
                              std::vector<std::pair<std::int32_t, double>> &out) const {
    // Every ingredient in the set and the bound row each count one half
    // (one third in a triple-set cut).
    const std::size_t from = out.size();
    for (const std::int32_t item : column.ingredients()) {
        for (const std::int32_t k : m_itemCuts[std::size_t(item)])
            out.emplace_back(k, 1.0);
    }
    const auto bound = std::equal_range(m_bound.begin(), m_bound.end(), std::pair(index, std::int32_t{0}),
                                        [](const auto &x, const auto &y) { return x.first < y.first; });
    for (auto at = bound.first; at != bound.second; ++at)
        out.emplace_back(at->second, 1.0);
    std::sort(out.begin() + std::ptrdiff_t(from), out.end());
    std::size_t kept = from;
    for (std::size_t k = from; k < out.size();) {
        std::size_t end = k;
        while (end < out.size() && out[end].first == out[k].first)
            ++end;
        const double coefficient =
            std::floor(double(end - k) / double(m_cuts[std::size_t(out[k].first)].modulus));
        if (coefficient > 0.0)
            out[kept++] = {out[k].first, coefficient};
        k = end;
    }
    out.resize(kept);
}

PlanRelaxation::PlanRelaxation(std::span<const PlanColumn> columns, std::span<const std::int32_t> stock,
                               const PlanStopper &stopper)
    : m_columns(columns), m_stock(stock), m_stopper(stopper), m_lpStop(stopper), m_cuts(stock.size()),
      m_pricer(stock.size()), m_position(columns.size(), -1), m_reduced(columns.size(), 0.0),
      m_bound(std::numeric_limits<double>::infinity()), m_lastBound(m_bound) {}

std::vector<std::uint32_t> PlanRelaxation::startColumns(const BrewingPlan &start) const {
    std::vector<std::uint32_t> out;
    for (std::size_t r = 0; r < start.times.size() && r < m_columns.size(); ++r) {
        if (start.times[r] > 0)
            out.push_back(std::uint32_t(r));
    }
    // The best few of every ingredient, by value (ties: list order).
    std::vector<std::vector<std::uint32_t>> best(m_stock.size());
    const auto better = [&](std::uint32_t a, std::uint32_t b) {
        return m_columns[a].value != m_columns[b].value ? m_columns[a].value > m_columns[b].value : a < b;
    };
    for (std::size_t r = 0; r < m_columns.size(); ++r) {
        for (const std::int32_t item : m_columns[r].ingredients()) {
            auto &list = best[std::size_t(item)];
            if (list.size() == kStartPerIngredient && !better(std::uint32_t(r), list.back()))
                continue;
            if (list.size() == kStartPerIngredient)
                list.pop_back();
            list.insert(std::upper_bound(list.begin(), list.end(), std::uint32_t(r), better),
                        std::uint32_t(r));
        }
    }
    for (const auto &list : best)
        out.insert(out.end(), list.begin(), list.end());
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

void PlanColumnArrays::add(std::uint32_t index, const PlanColumn &column, const PlanCuts &cuts,
                           std::span<const std::int32_t> stock) {
    for (const std::int32_t item : column.ingredients()) {
        rows.push_back(item);
        elements.push_back(1.0);
    }
    m_cutCoefficients.clear();
    cuts.coefficientsOf(index, column, m_cutCoefficients);
    for (const auto &[k, coefficient] : m_cutCoefficients) {
        rows.push_back(static_cast<int>(stock.size()) + k);
        elements.push_back(coefficient);
    }
    starts.push_back(static_cast<CoinBigIndex>(rows.size()));
    lower.push_back(0.0);
    upper.push_back(MaxBrews(column.ingredients(), stock));
    objective.push_back(-double(column.value));
}

void PlanRelaxation::addColumns(std::span<const std::uint32_t> add) {
    PlanColumnArrays arrays;
    for (const std::uint32_t r : add) {
        arrays.add(r, m_columns[r], m_cuts, m_stock);
        m_position[r] = static_cast<std::int32_t>(m_inPlay.size());
        m_inPlay.push_back(r);
    }
    if (!m_loaded) {
        const std::vector<double> rowLower(m_stock.size(), -COIN_DBL_MAX);
        const std::vector<double> rowUpper(m_stock.begin(), m_stock.end());
        m_lp.messageHandler()->setLogLevel(0);
        m_lp.loadProblem(arrays.count(), static_cast<int>(m_stock.size()), arrays.starts.data(),
                         arrays.rows.data(), arrays.elements.data(), arrays.lower.data(), arrays.upper.data(),
                         arrays.objective.data(), rowLower.data(), rowUpper.data());
        m_lp.getModelPtr()->passInEventHandler(&m_lpStop);
        m_loaded = true;
        return;
    }
    m_lp.addCols(arrays.count(), arrays.starts.data(), arrays.rows.data(), arrays.elements.data(),
                 arrays.lower.data(), arrays.upper.data(), arrays.objective.data());
}

void PlanRelaxation::addCuts(std::span<const OddSetCut> found) {
    for (const OddSetCut &cut : found) {
        PlanCut planCut;
        planCut.rows = cut.rows;
        for (const std::int32_t c : cut.boundColumns)
            planCut.boundColumns.push_back(m_inPlay[std::size_t(c)]);
        std::sort(planCut.boundColumns.begin(), planCut.boundColumns.end());
        planCut.rhs = cut.rhs;
        planCut.modulus = cut.modulus;
        // The separator worked over the columns in play, in their order.
        m_lp.addRow(static_cast<int>(cut.columns.size()), cut.columns.data(), cut.coefficients.data(),
                    -COIN_DBL_MAX, cut.rhs);
        m_cuts.add(std::move(planCut));
    }
}

bool PlanRelaxation::resolve(bool afterNewColumns) {
    // New columns leave the last basis primal feasible, new cuts dual feasible.
    m_lp.setHintParam(OsiDoDualInResolve, !afterNewColumns, OsiHintDo);
    m_lp.resolve();
    if (m_stopper.stop()) {
        m_interrupted = true;
        return false;
    }
    return m_lp.isProvenOptimal();
}

std::vector<std::uint32_t> PlanRelaxation::price() {
    const int itemRows = static_cast<int>(m_stock.size());
    const double *rowPrice = m_lp.getRowPrice();
    // Clp's duals of ≤ rows in a minimisation are ≤ 0; any prices ≥ 0 give
    // a bound, so rounding noise is clipped.
    std::vector<double> itemPrice(m_stock.size());
    double bound = 0.0;
    for (int i = 0; i < itemRows; ++i) {
        itemPrice[std::size_t(i)] = std::max(-rowPrice[i], 0.0);
        bound += itemPrice[std::size_t(i)] * double(m_stock[std::size_t(i)]);
    }
    std::vector<PricedCut> cutPrices(m_cuts.size());
    for (std::size_t k = 0; k < m_cuts.size(); ++k) {
        cutPrices[k].rows = m_cuts[k].rows;
        cutPrices[k].modulus = m_cuts[k].modulus;
        cutPrices[k].price = std::max(-rowPrice[std::size_t(itemRows) + k], 0.0);
        bound += cutPrices[k].price * m_cuts[k].rhs;
    }
    m_pricer.setPrices(itemPrice, cutPrices);

    // The columns in play may sit in a cut's bound set, which the pricer
    // does not see: their reduced values come from their own coefficients.
    std::vector<std::pair<std::int32_t, double>> cutCoefficients;
    for (const std::uint32_t r : m_inPlay) {
        const PlanColumn &column = m_columns[r];
        double reduced = double(column.value);
        for (const std::int32_t item : column.ingredients())
            reduced -= itemPrice[std::size_t(item)];
        cutCoefficients.clear();
        m_cuts.coefficientsOf(r, column, cutCoefficients);
        for (const auto &[k, coefficient] : cutCoefficients)
            reduced -= coefficient * cutPrices[std::size_t(k)].price;
        m_reduced[r] = reduced;
    }
    std::vector<std::pair<double, std::uint32_t>> entering;
    for (std::size_t r = 0; r < m_columns.size(); ++r) {
        if (r % kPricesPerStopCheck == 0 && m_stopper.stop()) {
            m_interrupted = true;
            return {};
        }
        const PlanColumn &column = m_columns[r];
        if (m_position[r] < 0) {
            m_reduced[r] = m_pricer.reducedValue(column);
            if (m_reduced[r] > kPriceTolerance)
                entering.emplace_back(-m_reduced[r], std::uint32_t(r));
        }
        if (m_reduced[r] > 0.0)
            bound += m_reduced[r] * double(MaxBrews(column.ingredients(), m_stock));
    }
    m_lastBound = bound;
    m_bound = std::min(m_bound, bound);
    if (entering.size() > kColumnsPerPass) {
        std::nth_element(entering.begin(), entering.begin() + std::ptrdiff_t(kColumnsPerPass),
                         entering.end());
        entering.resize(kColumnsPerPass);
    }
    std::sort(entering.begin(), entering.end());
    std::vector<std::uint32_t> out;
    out.reserve(entering.size());
    for (const auto &e : entering)
        out.push_back(e.second);
    return out;
}

bool PlanRelaxation::generateColumns() {
    for (;;) {
        const std::vector<std::uint32_t> entering = price();
        if (m_interrupted)
            return false;
        if (entering.empty())
            return true;
        addColumns(entering);
        if (!resolve(true))
            return false;
    }
}

std::vector<OddSetCut> PlanRelaxation::separate() const {
    std::vector<std::vector<std::int32_t>> columnRows(m_inPlay.size());
    std::vector<std::int64_t> upper(m_inPlay.size());
    for (std::size_t c = 0; c < m_inPlay.size(); ++c) {
        const auto items = m_columns[m_inPlay[c]].ingredients();
        columnRows[c].assign(items.begin(), items.end());
        upper[c] = MaxBrews(items, m_stock);
    }
    const std::vector<std::int64_t> stock(m_stock.begin(), m_stock.end());
    const std::span x(m_lp.getColSolution(), m_inPlay.size());
    std::vector<OddSetCut> found = TripleSetSeparator(columnRows, stock).separate(x, kCutsPerRound);
    // Each separator runs tens of milliseconds on large data without asking.
    if (m_stopper.stop())
        return found;
    std::vector<OddSetCut> odd =
        OddSetSeparator(std::move(columnRows), stock, std::move(upper)).separate(x, kCutsPerRound);
    found.insert(found.end(), std::make_move_iterator(odd.begin()), std::make_move_iterator(odd.end()));
    return found;
}

void PlanRelaxation::solve(const BrewingPlan &start) {
    if (m_columns.empty())
        return;
    addColumns(startColumns(start));
    m_lp.setHintParam(OsiDoPresolveInInitial, false, OsiHintTry);
    m_lp.setHintParam(OsiDoDualInInitial, false, OsiHintTry);
    m_lp.initialSolve();
    if (m_stopper.stop()) {
        m_interrupted = true;
        return;
    }
    if (!m_lp.isProvenOptimal() || !generateColumns())
        return;

    for (int round = 0; round < kCutRounds; ++round) {
        const std::vector<OddSetCut> found = separate();
        if (m_stopper.stop()) {
            m_interrupted = true;
            return;
        }
        if (found.empty())
            break;
        addCuts(found);
        if (!resolve(false) || !generateColumns())
            return;
    }
    m_solved = true;
}

} // namespace qor
