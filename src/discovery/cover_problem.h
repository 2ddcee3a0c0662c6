#pragma once
// The experiments as a covering problem: each column is a brew (or an
// eating) that shows some of the unknown (ingredient, slot) pairs, the
// elements. A plan takes each column at most once, no ingredient more often
// than in stock, at most maxBrews brews; it shows as many elements as can be
// shown, and among such plans takes the fewest columns.

#include "brewing_plan/plan_solver.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace qor {

struct CoverColumn {
    std::array<std::int32_t, 3> uses{}; // ingredients consumed, 0 for none
    bool brew = true;                   // false: an eating
};

struct CoverProblem {
    int elementCount = 0;
    std::vector<CoverColumn> columns;
    std::vector<std::int32_t> starts{0}; // column j's elements: [starts[j], starts[j + 1])
    std::vector<std::int32_t> elements;
    std::vector<std::int32_t> stock; // per ingredient; empty: unlimited
    int maxBrews = -1;               // -1: no limit
    // Per element the effect and the ingredient it belongs to (empty: not
    // known); the cuts look for slots that only a few brews can show together.
    std::vector<std::int32_t> effectOf;
    std::vector<std::int32_t> itemOf;

    int columnCount() const { return int(columns.size()); }
    std::span<const std::int32_t> elementsOf(int column) const {
        return std::span(elements).subspan(
            std::size_t(starts[std::size_t(column)]),
            std::size_t(starts[std::size_t(column) + 1] - starts[std::size_t(column)]));
    }
    void addColumn(const CoverColumn &column, std::span<const std::int32_t> covers);
    // Whether the chosen columns keep to the stock and the brew limit.
    bool fits(std::span<const int> chosen) const;
    int coveredCount(std::span<const int> chosen) const;
};

// Covered elements count before columns: one more element outweighs any
// number of columns a plan can have.
std::int64_t coverScore(const CoverProblem &problem, std::span<const int> chosen);

// A quick plan: the column that shows most new elements while it fits,
// again and again.
std::vector<int> greedyCover(const CoverProblem &problem);
// Leaves out every column whose elements the others show too, the later
// ones first.
void dropRedundant(const CoverProblem &problem, std::vector<int> &chosen);

struct CoverResult {
    std::vector<int> chosen;
    int lowerBound = -1; // proven fewest columns of a plan that shows every element shown at all; -1: none
    PlanSolveStatus status = PlanSolveStatus::Failed;
    QString error;
};

class CoverSolver {
  public:
    virtual ~CoverSolver() = default;
    // The best plan by coverScore; start (a plan that fits) is the one to
    // beat and the answer when nothing better is found.
    virtual CoverResult solve(const CoverProblem &problem, std::span<const int> start,
                              const PlanSolveControl &control) = 0;
};

// The solver this build uses.
std::unique_ptr<CoverSolver> CreateCoverSolver();

} // namespace qor
