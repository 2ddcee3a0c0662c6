#include "discovery/cover_problem.h"

#include <algorithm>

namespace qor {

void CoverProblem::addColumn(const CoverColumn &column, std::span<const std::int32_t> covers) {
    columns.push_back(column);
    elements.insert(elements.end(), covers.begin(), covers.end());
    starts.push_back(std::int32_t(elements.size()));
}

bool CoverProblem::fits(std::span<const int> chosen) const {
    int brews = 0;
    std::vector<std::int32_t> used(stock.size(), 0);
    for (const int j : chosen) {
        const CoverColumn &c = columns[std::size_t(j)];
        brews += c.brew ? 1 : 0;
        if (stock.empty())
            continue;
        for (const std::int32_t item : c.uses) {
            if (item != 0 && ++used[std::size_t(item)] > stock[std::size_t(item)])
                return false;
        }
    }
    return maxBrews < 0 || brews <= maxBrews;
}

int CoverProblem::coveredCount(std::span<const int> chosen) const {
    std::vector<bool> covered(std::size_t(elementCount), false);
    int n = 0;
    for (const int j : chosen) {
        for (const std::int32_t e : elementsOf(j)) {
            if (!covered[std::size_t(e)]) {
                covered[std::size_t(e)] = true;
                ++n;
            }
        }
    }
    return n;
}

std::int64_t coverScore(const CoverProblem &problem, std::span<const int> chosen) {
    return std::int64_t(problem.coveredCount(chosen)) * (problem.elementCount + 1) -
           std::int64_t(chosen.size());
}

void dropRedundant(const CoverProblem &problem, std::vector<int> &chosen) {
    std::vector<int> times(std::size_t(problem.elementCount), 0);
    for (const int j : chosen) {
        for (const std::int32_t e : problem.elementsOf(j))
            ++times[std::size_t(e)];
    }
    for (std::size_t k = chosen.size(); k-- > 0;) {
        const auto shown = problem.elementsOf(chosen[k]);
        if (std::all_of(shown.begin(), shown.end(),
                        [&](std::int32_t e) { return times[std::size_t(e)] > 1; })) {
            for (const std::int32_t e : shown)
                --times[std::size_t(e)];
            chosen.erase(chosen.begin() + std::ptrdiff_t(k));
        }
    }
}

std::vector<int> greedyCover(const CoverProblem &problem) {
    std::vector<int> chosen;
    std::vector<bool> covered(std::size_t(problem.elementCount), false);
    std::vector<std::int32_t> left = problem.stock;
    int brewsLeft = problem.maxBrews < 0 ? problem.columnCount() : problem.maxBrews;
    for (;;) {
        int best = -1;
        int bestGain = 0;
        for (int j = 0; j < problem.columnCount(); ++j) {
            const CoverColumn &c = problem.columns[std::size_t(j)];
            if (c.brew && brewsLeft == 0)
                continue;
            if (!left.empty() && std::any_of(c.uses.begin(), c.uses.end(), [&](std::int32_t item) {
                    return item != 0 && left[std::size_t(item)] <= 0;
                }))
                continue;
            int gain = 0;
            for (const std::int32_t e : problem.elementsOf(j))
                gain += covered[std::size_t(e)] ? 0 : 1;
            if (gain > bestGain) {
                bestGain = gain;
                best = j;
            }
        }
        if (best < 0) {
            dropRedundant(problem, chosen);
            return chosen;
        }
        chosen.push_back(best);
        const CoverColumn &c = problem.columns[std::size_t(best)];
        brewsLeft -= c.brew ? 1 : 0;
        if (!left.empty()) {
            for (const std::int32_t item : c.uses) {
                if (item != 0)
                    --left[std::size_t(item)];
            }
        }
        for (const std::int32_t e : problem.elementsOf(best))
            covered[std::size_t(e)] = true;
    }
}

} // namespace qor
