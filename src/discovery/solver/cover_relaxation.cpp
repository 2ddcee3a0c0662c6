#include "discovery/solver/cover_relaxation.h"

#include <CoinBuild.hpp>
#include <CoinPackedVector.hpp>

#include <algorithm>
#include <cmath>

namespace qor {

namespace {

// Columns added per pricing pass, best first.
constexpr std::size_t kColumnsPerPass = 400;
// Rounds of cuts, and cuts added per round.
constexpr int kCutRounds = 30;
constexpr std::size_t kCutsPerRound = 200;
constexpr double kMinRoundGain = 0.05;
// A column joins when it would lower the optimum by more than this.
constexpr double kPriceTolerance = 1e-6;

} // namespace

CoverLayout::CoverLayout(const CoverProblem &p, bool coverModel)
    : problem(p), cover(coverModel), coverable(std::size_t(p.elementCount), false) {
    for (const std::int32_t e : p.elements)
        coverable[std::size_t(e)] = true;
    for (int e = 0; e < p.elementCount; ++e) {
        if (coverable[std::size_t(e)])
            slackElement.push_back(e);
    }
    coverableCount = int(slackElement.size());
    stockFirst = p.elementCount;
    stockCount = int(p.stock.size());
    fixedRows = stockFirst + stockCount;
    if (p.maxBrews >= 0)
        brewRow = fixedRows++;
}

double CoverLayout::costOf(std::span<const int> chosen) const {
    const int unshown = coverableCount - problem.coveredCount(chosen);
    if (cover)
        return unshown == 0 ? double(chosen.size()) : kNoPlan;
    return double(chosen.size()) + weight() * double(unshown);
}

void CoverLayout::entriesOf(int j, const CoverCuts &cuts, std::vector<int> &rows, std::vector<double> &values,
                            std::vector<std::pair<int, int>> &scratch) const {
    const auto shown = problem.elementsOf(j);
    for (const std::int32_t e : shown) {
        rows.push_back(e);
        values.push_back(1.0);
    }
    const CoverColumn &c = problem.columns[std::size_t(j)];
    if (stockCount > 0) {
        for (const std::int32_t item : c.uses) {
            if (item != 0) {
                rows.push_back(stockFirst + item);
                values.push_back(1.0);
            }
        }
    }
    if (brewRow >= 0 && c.brew) {
        rows.push_back(brewRow);
        values.push_back(1.0);
    }
    scratch.clear();
    cuts.coefficientsOf(shown, scratch);
    for (const auto &[k, coefficient] : scratch) {
        rows.push_back(fixedRows + k);
        values.push_back(double(coefficient));
    }
}

void CoverLayout::load(std::span<const int> columns, const CoverCuts &cuts, bool withSlacks,
                       OsiClpSolverInterface &lp) const {
    const int rowCount = fixedRows + int(cuts.size());
    std::vector<CoinBigIndex> starts{0};
    std::vector<int> rows;
    std::vector<double> values;
    std::vector<double> lower;
    std::vector<double> upper;
    std::vector<double> objective;
    const auto close = [&](double cost, double up) {
        starts.push_back(CoinBigIndex(rows.size()));
        lower.push_back(0.0);
        upper.push_back(up);
        objective.push_back(cost);
    };
    if (withSlacks) {
        for (const int e : slackElement) {
            rows.push_back(e);
            values.push_back(1.0);
            close(weight(), 1.0);
        }
        for (std::size_t k = 0; k < cuts.size(); ++k) {
            rows.push_back(fixedRows + int(k));
            values.push_back(1.0);
            close(weight(), double(cuts[k].rhs));
        }
    }
    std::vector<std::pair<int, int>> scratch;
    for (const int j : columns) {
        entriesOf(j, cuts, rows, values, scratch);
        close(1.0, 1.0);
    }
    std::vector<double> rowLower(std::size_t(rowCount), -COIN_DBL_MAX);
    std::vector<double> rowUpper(std::size_t(rowCount), COIN_DBL_MAX);
    for (int e = 0; e < problem.elementCount; ++e)
        rowLower[std::size_t(e)] = coverable[std::size_t(e)] ? 1.0 : 0.0;
    for (int i = 0; i < stockCount; ++i)
        rowUpper[std::size_t(stockFirst + i)] = double(std::max(problem.stock[std::size_t(i)], 0));
    if (brewRow >= 0)
        rowUpper[std::size_t(brewRow)] = double(problem.maxBrews);
    for (std::size_t k = 0; k < cuts.size(); ++k)
        rowLower[std::size_t(fixedRows) + k] = double(cuts[k].rhs);
    lp.messageHandler()->setLogLevel(0);
    lp.loadProblem(int(starts.size() - 1), rowCount, starts.data(), rows.data(), values.data(), lower.data(),
                   upper.data(), objective.data(), rowLower.data(), rowUpper.data());
}

CoverRelaxation::CoverRelaxation(const CoverLayout &layout, const PlanStopper &stopper, SearchWork &work)
    : m_layout(layout), m_stopper(stopper), m_work(work),
      m_pool(layout.problem, !layout.problem.stock.empty()), m_cuts(layout.problem.elementCount),
      m_lpStop(stopper, &work), m_in(std::size_t(layout.problem.columnCount()), false),
      m_reduced(std::size_t(layout.problem.columnCount()), 0.0) {}

std::vector<double> CoverRelaxation::values() const {
    const double *x = m_lp.getColSolution();
    std::vector<double> out;
    for (const int c : m_lpColumn)
        out.push_back(x[c]);
    return out;
}

void CoverRelaxation::addColumns(std::span<const int> add) {
    CoinBuild build;
    int next = m_lp.getNumCols();
    std::vector<int> rows;
    std::vector<double> values;
    std::vector<std::pair<int, int>> scratch;
    for (const int j : add) {
        rows.clear();
        values.clear();
        m_layout.entriesOf(j, m_cuts, rows, values, scratch);
        build.addColumn(int(rows.size()), rows.data(), values.data(), 0.0, 1.0, 1.0);
        m_in[std::size_t(j)] = true;
        m_inPlay.push_back(j);
        m_lpColumn.push_back(next++);
    }
    m_lp.OsiSolverInterface::addCols(build);
}

bool CoverRelaxation::resolve(bool dual) {
    // New columns keep the basis primal feasible, new cuts keep it dual
    // feasible: each resolve starts from the side that still holds.
    m_lp.setHintParam(OsiDoDualInResolve, dual, OsiHintDo);
    m_lp.resolve();
    // Copies of the program (the dive's) change bounds: dual again.
    m_lp.setHintParam(OsiDoDualInResolve, true, OsiHintTry);
    m_stopped = m_stopper.stop() || m_work.spent();
    return !m_stopped && m_lp.isProvenOptimal();
}

std::vector<int> CoverRelaxation::price() {
    const CoverProblem &p = m_layout.problem;
    const double *rowPrice = m_lp.getRowPrice();
    const double *rowLower = m_lp.getRowLower();
    const double *rowUpper = m_lp.getRowUpper();
    // Lagrangian bound: Σ b·π with b the row's side the price leans on,
    // plus every column's negative reduced cost at its upper bound. It
    // holds for any prices of the right signs, so a price that leans on an
    // infinite side (rounding noise) counts as none.
    const int rowCount = m_lp.getNumRows();
    m_duals.assign(std::size_t(rowCount), 0.0);
    double bound = 0.0;
    for (int r = 0; r < rowCount; ++r) {
        const double side = rowPrice[r] > 0.0 ? rowLower[r] : rowUpper[r];
        if (rowPrice[r] != 0.0 && std::abs(side) < 1e20) {
            m_duals[std::size_t(r)] = rowPrice[r];
            bound += rowPrice[r] * side;
        }
    }
    const double *duals = m_duals.data();
    for (const int e : m_layout.slackElement)
        bound += std::min(0.0, m_layout.weight() - duals[e]);
    for (std::size_t k = 0; k < m_cuts.size(); ++k)
        bound +=
            std::min(0.0, m_layout.weight() - duals[std::size_t(m_layout.fixedRows) + k]) * m_cuts[k].rhs;
    std::vector<std::pair<double, int>> priced;
    std::vector<int> rows;
    std::vector<double> values;
    std::vector<std::pair<int, int>> scratch;
    for (int j = 0; j < p.columnCount(); ++j) {
        rows.clear();
        values.clear();
        m_layout.entriesOf(j, m_cuts, rows, values, scratch);
        double d = 1.0;
        for (std::size_t k = 0; k < rows.size(); ++k)
            d -= values[k] * duals[rows[k]];
        bound += std::min(d, 0.0);
        m_reduced[std::size_t(j)] = std::max(d, 0.0);
        if (!m_in[std::size_t(j)] && d < -kPriceTolerance)
            priced.emplace_back(d, j);
    }
    m_bound = std::max(m_bound, bound);
    const std::size_t n = std::min(priced.size(), kColumnsPerPass);
    std::partial_sort(priced.begin(), priced.begin() + std::ptrdiff_t(n), priced.end());
    std::vector<int> add;
    for (std::size_t k = 0; k < n; ++k)
        add.push_back(priced[k].second);
    return add;
}

bool CoverRelaxation::solve(std::span<const int> start) {
    const CoverProblem &p = m_layout.problem;
    std::vector<int> first(start.begin(), start.end());
    // The widest column of every element, so the first passes have choice.
    std::vector<int> widest(std::size_t(p.elementCount), -1);
    for (int j = 0; j < p.columnCount(); ++j) {
        for (const std::int32_t e : p.elementsOf(j)) {
            const int w = widest[std::size_t(e)];
            if (w < 0 || p.elementsOf(w).size() < p.elementsOf(j).size())
                widest[std::size_t(e)] = j;
        }
    }
    first.insert(first.end(), widest.begin(), widest.end());
    std::erase(first, -1);
    std::sort(first.begin(), first.end());
    first.erase(std::unique(first.begin(), first.end()), first.end());
    for (const int j : first)
        m_in[std::size_t(j)] = true;
    m_inPlay = first;
    m_layout.load(m_inPlay, m_cuts, true, m_lp);
    const int slacks = m_lp.getNumCols() - int(m_inPlay.size());
    for (std::size_t c = 0; c < m_inPlay.size(); ++c)
        m_lpColumn.push_back(slacks + int(c));
    m_lp.getModelPtr()->passInEventHandler(&m_lpStop);
    m_lp.initialSolve();
    m_stopped = m_stopper.stop() || m_work.spent();
    if (m_stopped || !m_lp.isProvenOptimal())
        return false;
    double lastBound = -COIN_DBL_MAX;
    for (int round = 0;; ++round) {
        // Columns until none would lower the optimum.
        for (std::vector<int> add = price(); !add.empty(); add = price()) {
            addColumns(add);
            if (!resolve(false))
                return false;
        }
        // Rounds that lift the bound by little are not worth their cost.
        if (!m_layout.cover || round == kCutRounds || m_bound - lastBound < kMinRoundGain)
            return true;
        lastBound = m_bound;
        const std::vector<double> x = values();
        const std::vector<CoverCut> found = m_pool.separate(m_inPlay, x, kCutsPerRound);
        std::vector<int> rows;
        std::vector<double> coefficients;
        const int before = int(m_cuts.size());
        for (const CoverCut &cut : found)
            m_cuts.add(cut);
        if (int(m_cuts.size()) == before)
            return true;
        // The new rows over the columns in play, each with its slack.
        std::vector<std::pair<int, int>> scratch;
        std::vector<CoinPackedVector> added(m_cuts.size() - std::size_t(before));
        for (std::size_t c = 0; c < m_inPlay.size(); ++c) {
            scratch.clear();
            m_cuts.coefficientsOf(p.elementsOf(m_inPlay[c]), scratch);
            for (const auto &[k, coefficient] : scratch) {
                if (k >= before)
                    added[std::size_t(k - before)].insert(m_lpColumn[c], double(coefficient));
            }
        }
        for (std::size_t k = 0; k < added.size(); ++k)
            m_lp.addRow(added[k], double(m_cuts[std::size_t(before) + k].rhs), COIN_DBL_MAX);
        CoinBuild cutSlacks;
        for (std::size_t k = 0; k < added.size(); ++k) {
            const int row = m_layout.fixedRows + before + int(k);
            const double one = 1.0;
            cutSlacks.addColumn(1, &row, &one, 0.0, double(m_cuts[std::size_t(before) + k].rhs),
                                m_layout.weight());
        }
        m_lp.OsiSolverInterface::addCols(cutSlacks);
        if (!resolve(true))
            return false;
    }
}

} // namespace qor
