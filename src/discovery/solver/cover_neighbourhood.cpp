#include "discovery/solver/cover_neighbourhood.h"

#include <CbcModel.hpp>
#include <CglGomory.hpp>
#include <OsiClpSolverInterface.hpp>

#include <algorithm>
#include <array>

namespace qor {

namespace {

// Brews taken out together, and the nodes their branch and bound may
// search: the small neighbourhoods first, as they are quick; the larger
// ones when the small ones find nothing more.
struct NeighbourhoodSize {
    std::size_t brews;
    int nodes;
};
constexpr std::array<NeighbourhoodSize, 2> kSizes{{{12, 1000}, {16, 3000}}};

// Per element the columns that show it.
std::vector<std::vector<int>> columnsShowing(const CoverProblem &p) {
    std::vector<std::vector<int>> out(std::size_t(p.elementCount));
    for (int j = 0; j < p.columnCount(); ++j) {
        for (const std::int32_t e : p.elementsOf(j))
            out[std::size_t(e)].push_back(j);
    }
    return out;
}

// The chosen columns around chosen[centre]: it, then by shared
// ingredients, breadth first, at most `brews` of them.
std::vector<std::size_t> neighbourhood(const CoverProblem &p, std::span<const int> chosen, std::size_t centre,
                                       std::size_t brews) {
    std::vector<std::size_t> out{centre};
    std::vector<bool> taken(chosen.size(), false);
    taken[centre] = true;
    const auto shareIngredient = [&](int a, int b) {
        for (const std::int32_t x : p.columns[std::size_t(a)].uses) {
            for (const std::int32_t y : p.columns[std::size_t(b)].uses) {
                if (x != 0 && x == y)
                    return true;
            }
        }
        return false;
    };
    for (std::size_t k = 0; k < out.size() && out.size() < brews; ++k) {
        for (std::size_t c = 0; c < chosen.size() && out.size() < brews; ++c) {
            if (!taken[c] && shareIngredient(chosen[out[k]], chosen[c])) {
                taken[c] = true;
                out.push_back(c);
            }
        }
    }
    return out;
}

// Columns within the stock left (empty: unlimited) and the brews left (-1:
// any number) that cost less than `below`, a column costing 1 and an open
// element left unshown `weight`; or nothing.
std::vector<int> coverOpen(const CoverProblem &p, const std::vector<std::vector<int>> &showing,
                           std::span<const std::int32_t> open, std::span<const std::int32_t> left,
                           int brewsLeft, double below, double weight, int maxNodes,
                           const PlanStopper &stopper, SearchWork &work) {
    std::vector<int> row(std::size_t(p.elementCount), -1);
    for (std::size_t r = 0; r < open.size(); ++r)
        row[std::size_t(open[r])] = int(r);
    const auto fitsLeft = [&](int j) {
        return left.empty() ||
               std::all_of(p.columns[std::size_t(j)].uses.begin(), p.columns[std::size_t(j)].uses.end(),
                           [&](std::int32_t item) { return item == 0 || left[std::size_t(item)] > 0; });
    };
    std::vector<int> candidates;
    for (const std::int32_t e : open) {
        for (const int j : showing[std::size_t(e)]) {
            if (fitsLeft(j))
                candidates.push_back(j);
        }
    }
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    // Each column as the rows it covers; without a stock, columns that show
    // the same open elements are one.
    std::vector<std::pair<std::vector<int>, int>> traces;
    for (const int j : candidates) {
        std::vector<int> t;
        for (const std::int32_t e : p.elementsOf(j)) {
            if (row[std::size_t(e)] >= 0)
                t.push_back(row[std::size_t(e)]);
        }
        traces.emplace_back(std::move(t), j);
    }
    if (left.empty()) {
        std::stable_sort(traces.begin(), traces.end(),
                         [](const auto &x, const auto &y) { return x.first < y.first; });
        traces.erase(std::unique(traces.begin(), traces.end(),
                                 [](const auto &x, const auto &y) { return x.first == y.first; }),
                     traces.end());
    }
    const int openRows = int(open.size());
    std::vector<int> stockRow(left.size(), -1);
    int rowCount = openRows;
    std::vector<double> rowLower(open.size(), 1.0);
    std::vector<double> rowUpper(open.size(), COIN_DBL_MAX);
    if (brewsLeft >= 0) {
        rowLower.push_back(-COIN_DBL_MAX);
        rowUpper.push_back(double(brewsLeft));
        ++rowCount;
    }
    std::vector<CoinBigIndex> starts{0};
    std::vector<int> rows;
    std::vector<double> values;
    for (const auto &[t, j] : traces) {
        rows.insert(rows.end(), t.begin(), t.end());
        if (brewsLeft >= 0 && p.columns[std::size_t(j)].brew)
            rows.push_back(openRows);
        if (!left.empty()) {
            for (const std::int32_t item : p.columns[std::size_t(j)].uses) {
                if (item == 0)
                    continue;
                if (stockRow[std::size_t(item)] < 0) {
                    stockRow[std::size_t(item)] = rowCount++;
                    rowLower.push_back(-COIN_DBL_MAX);
                    rowUpper.push_back(double(left[std::size_t(item)]));
                }
                rows.push_back(stockRow[std::size_t(item)]);
            }
        }
        values.resize(rows.size(), 1.0);
        starts.push_back(CoinBigIndex(rows.size()));
    }
    const int columnCount = int(traces.size());
    // Then a slack per open element: what leaving it unshown costs.
    for (int r = 0; r < openRows; ++r) {
        rows.push_back(r);
        values.push_back(1.0);
        starts.push_back(CoinBigIndex(rows.size()));
    }
    const std::vector<double> lower(starts.size() - 1, 0.0);
    const std::vector<double> upper(starts.size() - 1, 1.0);
    std::vector<double> cost(traces.size(), 1.0);
    cost.resize(starts.size() - 1, weight);
    OsiClpSolverInterface lp;
    lp.messageHandler()->setLogLevel(0);
    lp.loadProblem(int(starts.size() - 1), rowCount, starts.data(), rows.data(), values.data(), lower.data(),
                   upper.data(), cost.data(), rowLower.data(), rowUpper.data());
    const LpStopHandler lpStop(stopper, &work);
    lp.getModelPtr()->passInEventHandler(&lpStop);
    for (int c = 0; c < columnCount; ++c)
        lp.setInteger(c);
    CbcModel model(lp);
    setUpBranchAndBound(model, stopper, maxNodes);
    model.setCutoff(below - 0.5);
    CglGomory gomory;
    model.addCutGenerator(&gomory, -1, "Gomory");
    model.setNumberStrong(0);
    model.setNumberBeforeTrust(0);
    CbcStopHandler handler(stopper, &work);
    model.passInEventHandler(&handler);
    model.branchAndBound();
    std::vector<int> out;
    if (const double *x = model.bestSolution()) {
        for (int c = 0; c < columnCount; ++c) {
            if (x[c] > 0.5)
                out.push_back(traces[std::size_t(c)].second);
        }
    }
    return out;
}

} // namespace

bool improveByNeighbourhoods(const CoverProblem &p, std::vector<int> &chosen, const PlanStopper &stopper,
                             SearchWork &work) {
    const std::vector<std::vector<int>> showing = columnsShowing(p);
    bool improved = false;
    std::vector<int> times(std::size_t(p.elementCount), 0);
    std::vector<std::int32_t> open;
    std::vector<std::int32_t> left;
    std::vector<bool> removed;
    std::size_t level = 0;
    for (std::size_t centre = 0, tried = 0; level < kSizes.size(); ++centre, ++tried) {
        if (stopper.stop() || work.spent())
            break;
        if (tried == chosen.size()) {
            // A whole round found nothing: the next size.
            ++level;
            tried = 0;
            continue;
        }
        centre %= chosen.size();
        const NeighbourhoodSize size = kSizes[level];
        const std::vector<std::size_t> out = neighbourhood(p, chosen, centre, size.brews);
        removed.assign(chosen.size(), false);
        for (const std::size_t c : out)
            removed[c] = true;
        std::fill(times.begin(), times.end(), 0);
        left = p.stock;
        int brewsLeft = p.maxBrews;
        for (std::size_t c = 0; c < chosen.size(); ++c) {
            if (removed[c])
                continue;
            if (brewsLeft >= 0 && p.columns[std::size_t(chosen[c])].brew)
                --brewsLeft;
            for (const std::int32_t e : p.elementsOf(chosen[c]))
                ++times[std::size_t(e)];
            for (const std::int32_t item : p.columns[std::size_t(chosen[c])].uses) {
                if (item != 0 && !left.empty())
                    --left[std::size_t(item)];
            }
        }
        open.clear();
        for (const std::size_t c : out) {
            for (const std::int32_t e : p.elementsOf(chosen[c])) {
                if (times[std::size_t(e)] == 0) {
                    times[std::size_t(e)] = -1;
                    open.push_back(e);
                }
            }
        }
        // And what the plan leaves unshown: a plan within a stock may show
        // it after the change.
        int unshown = 0;
        for (int e = 0; e < p.elementCount; ++e) {
            if (times[std::size_t(e)] == 0 && !showing[std::size_t(e)].empty()) {
                open.push_back(e);
                ++unshown;
            }
        }
        std::sort(open.begin(), open.end());
        const double weight = double(p.elementCount + 1);
        const std::vector<int> better =
            coverOpen(p, showing, open, left, brewsLeft, double(out.size()) + weight * unshown, weight,
                      size.nodes, stopper, work);
        if (better.empty())
            continue;
        std::vector<int> next;
        for (std::size_t c = 0; c < chosen.size(); ++c) {
            if (!removed[c])
                next.push_back(chosen[c]);
        }
        next.insert(next.end(), better.begin(), better.end());
        dropRedundant(p, next);
        if (coverScore(p, next) > coverScore(p, chosen) && p.fits(next)) {
            chosen = std::move(next);
            improved = true;
            tried = 0;
            level = 0;
        }
    }
    return improved;
}

} // namespace qor
