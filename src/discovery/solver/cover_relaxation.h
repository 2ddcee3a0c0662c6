#pragma once
// The experiments' covering problem as a linear program for Clp, and its
// relaxation over every column by column generation and cuts.
//
// Rows (all ≥ unless said): per element Σ_{j shows e} x_j + s_e ≥ 1 for the
// elements some column shows; per ingredient Σ_{j uses i} x_j ≤ stock_i (when
// limited); Σ_{brews} x_j ≤ N (when limited); per cut Σ coef_j x_j + s ≥ rhs.
// Objective: Σ x_j + W·Σ s with W = elements + 1, so an element left unshown
// costs more than every column: the slack s_e is 1 − (e shown) for a whole
// plan, and this is the plan's cost in both models. In the cover model a
// plan must show every element (the search drops the slacks, and only there
// the cuts hold); in the weighted model it shows as many as it can.

#include "brewing_plan/solver/search_work.h"
#include "discovery/cover_cuts.h"

#include <OsiClpSolverInterface.hpp>

#include <span>
#include <vector>

namespace qor {

struct CoverLayout {
    CoverLayout(const CoverProblem &problem, bool cover);

    const CoverProblem &problem;
    bool cover;                    // every element some column shows must be shown
    std::vector<bool> coverable;   // per element: some column shows it
    std::vector<int> slackElement; // element of each slack column
    int coverableCount = 0;
    int stockFirst = 0;
    int stockCount = 0;
    int brewRow = -1;
    int fixedRows = 0; // rows before the cuts

    // What an element left unshown costs: more than every column in the
    // weighted model; in the cover model far more, so that the relaxation
    // shows every element whenever it can.
    double weight() const { return cover ? kCoverWeight : double(problem.elementCount + 1); }
    static constexpr double kCoverWeight = 1e4;
    // The plan's cost in the model's terms, lower is better: in the cover
    // model kNoPlan for a plan that leaves an element unshown.
    double costOf(std::span<const int> chosen) const;
    static constexpr double kNoPlan = 1e9;
    // Rows of column j (the cuts' too) with their coefficients.
    void entriesOf(int j, const CoverCuts &cuts, std::vector<int> &rows, std::vector<double> &values,
                   std::vector<std::pair<int, int>> &scratch) const;
    // The model over the given columns (after the slacks, when withSlacks),
    // with a row per cut.
    void load(std::span<const int> columns, const CoverCuts &cuts, bool withSlacks,
              OsiClpSolverInterface &lp) const;
};

class CoverRelaxation {
  public:
    CoverRelaxation(const CoverLayout &layout, const PlanStopper &stopper, SearchWork &work);

    // Column generation from the start columns, then (in the cover model)
    // rounds of cuts, each followed by pricing. False when stopped or failed.
    bool solve(std::span<const int> start);

    // A lower bound on the cost of every plan of the model (of every plan
    // that shows all coverable elements, in the cover model); below 0 before
    // the first pricing pass.
    double bound() const { return m_bound; }
    // Whether solve ended for the time limit, the cancel or the spent work.
    bool stopped() const { return m_stopped; }
    // Per column what taking it adds to the bound at least.
    std::span<const double> reduced() const { return m_reduced; }
    const CoverCuts &cuts() const { return m_cuts; }
    // The columns in the program and their values.
    std::span<const int> inPlay() const { return m_inPlay; }
    std::vector<double> values() const;
    // The program as solved last and the column of each column in play.
    const OsiClpSolverInterface &program() const { return m_lp; }
    std::span<const int> programColumns() const { return m_lpColumn; }

  private:
    // Prices every column under the current duals; the bound follows.
    // Returns the columns worth adding, best first.
    std::vector<int> price();
    void addColumns(std::span<const int> add);
    bool resolve(bool dual);

    const CoverLayout &m_layout;
    const PlanStopper &m_stopper;
    SearchWork &m_work;
    // Cuts over a brew's three ingredients only within a stock: there they
    // lift the bound and lead the search to a plan that shows everything
    // (on the bundled data with two of each: bound 75 to 76, and a plan
    // that shows all 548 slots instead of 546). Without a stock
    // they lift the relaxation by a tenth, not its bound, and their dense
    // rows make the search's simplex slower (CPU +40 %).
    CoverCutPool m_pool;
    CoverCuts m_cuts;
    OsiClpSolverInterface m_lp;
    LpStopHandler m_lpStop;
    std::vector<int> m_inPlay;
    std::vector<int> m_lpColumn; // the program's column of each in play
    std::vector<double> m_duals; // the last pricing pass's row prices
    std::vector<bool> m_in;
    std::vector<double> m_reduced;
    double m_bound = -1.0;
    bool m_stopped = false;
};

} // namespace qor
