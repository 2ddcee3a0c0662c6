#pragma once
// The plan's linear relaxation by column generation. Large data sets have
// millions of candidate recipes, far too many for one linear program, and
// nearly all of them stay at zero. So the program starts from a few columns
// (the start plan's recipes and the best few of every ingredient); after
// each solve the candidates are priced under its dual prices, and those that
// would raise the optimum join, until none would. Odd-set cuts tighten it,
// and the pricing after each round of cuts counts their prices too.
//
// Whatever the duals, the ingredient and cut prices plus every candidate's
// positive reduced value times its bound is an upper bound on every plan
// (Lagrangian duality), so each pricing pass proves a bound, also when the
// run is stopped half way.

#include "brewing_plan/brewing_plan.h"
#include "brewing_plan/odd_set_cuts.h"
#include "brewing_plan/plan_pricing.h"
#include "brewing_plan/plan_solver.h"
#include "brewing_plan/solver/search_work.h"

#include <ClpSimplex.hpp>
#include <OsiClpSolverInterface.hpp>

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace qor {

// An odd-set or triple-set cut over the candidate list: ingredient set,
// bound set (candidate indices, ascending), right-hand side and modulus.
struct PlanCut {
    std::vector<std::int32_t> rows;
    std::vector<std::uint32_t> boundColumns;
    double rhs = 0.0;
    std::int32_t modulus = 2;
};

// The cuts found so far, with a quick look-up of a candidate's coefficients.
class PlanCuts {
  public:
    explicit PlanCuts(std::size_t itemCount) : m_itemCuts(itemCount) {}

    void add(PlanCut cut);
    std::size_t size() const { return m_cuts.size(); }
    const PlanCut &operator[](std::size_t k) const { return m_cuts[k]; }

    // Appends (cut, coefficient) for every cut in which candidate `index`
    // has a positive coefficient, cuts in ascending order.
    void coefficientsOf(std::uint32_t index, const PlanColumn &column,
                        std::vector<std::pair<std::int32_t, double>> &out) const;

  private:
    std::vector<PlanCut> m_cuts;
    std::vector<std::vector<std::int32_t>> m_itemCuts;           // ingredient -> cuts over it
    std::vector<std::pair<std::uint32_t, std::int32_t>> m_bound; // (candidate, cut), ascending
};

// Columns of candidates for Clp, built at once (appending columns one by one
// copies the matrix each time): a 1 in each ingredient's row, then the cut
// coefficients in the rows after the ingredients'; bounds and the value
// negated, as Clp minimises.
struct PlanColumnArrays {
    std::vector<CoinBigIndex> starts{0};
    std::vector<int> rows;
    std::vector<double> elements;
    std::vector<double> lower;
    std::vector<double> upper;
    std::vector<double> objective;

    void add(std::uint32_t index, const PlanColumn &column, const PlanCuts &cuts,
             std::span<const std::int32_t> stock);
    int count() const { return static_cast<int>(lower.size()); }

  private:
    std::vector<std::pair<std::int32_t, double>> m_cutCoefficients;
};

class PlanRelaxation {
  public:
    PlanRelaxation(std::span<const PlanColumn> columns, std::span<const std::int32_t> stock,
                   const PlanStopper &stopper);

    // Column generation from the start plan, then rounds of odd-set cuts.
    void solve(const BrewingPlan &start);

    bool solved() const { return m_solved; }           // the relaxation with every cut is optimal
    bool interrupted() const { return m_interrupted; } // stopped by time or cancel
    // The best bound proven (infinity before the first pricing pass).
    double bound() const { return m_bound; }
    const PlanCuts &cuts() const { return m_cuts; }
    // What one brew of each candidate costs the bound, under the duals of
    // the last pricing pass: a plan brewing candidate r is worth at most
    // lossBound() − loss(r), lossBound() being that pass's bound.
    double loss(std::size_t r) const { return std::max(-m_reduced[r], 0.0); }
    double lossBound() const { return m_lastBound; }
    std::size_t columnsInPlay() const { return m_inPlay.size(); }
    // The candidates in play and the relaxation's plan over them.
    std::span<const std::uint32_t> inPlay() const { return m_inPlay; }
    std::span<const double> solution() const { return {m_lp.getColSolution(), m_inPlay.size()}; }

  private:
    void addColumns(std::span<const std::uint32_t> add);
    void addCuts(std::span<const OddSetCut> found);
    // Odd-set and triple-set cuts the relaxation's plan breaks.
    std::vector<OddSetCut> separate() const;
    std::vector<std::uint32_t> startColumns(const BrewingPlan &start) const;
    // Prices every candidate; returns those worth a column, best first.
    std::vector<std::uint32_t> price();
    bool resolve(bool afterNewColumns);
    bool generateColumns();

    std::span<const PlanColumn> m_columns;
    std::span<const std::int32_t> m_stock;
    const PlanStopper &m_stopper;
    OsiClpSolverInterface m_lp;
    LpStopHandler m_lpStop;
    PlanCuts m_cuts;
    PlanPricer m_pricer;
    std::vector<std::uint32_t> m_inPlay;  // candidate of each column of m_lp
    std::vector<std::int32_t> m_position; // column of each candidate in m_lp, -1 when none
    std::vector<double> m_reduced;        // per candidate, from the last pricing pass
    double m_bound;
    double m_lastBound;
    bool m_loaded = false;
    bool m_solved = false;
    bool m_interrupted = false;
};

} // namespace qor
