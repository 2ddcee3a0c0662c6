#include "brewing_plan/plan_model_lp.h"

#include "brewing_plan/brewing_plan.h"

#include <vector>

namespace qor {

QByteArray PlanModelLp(std::span<const PlanColumn> recipes, std::span<const std::int32_t> stock) {
    QByteArray lp = "Maximize\n obj:";
    for (std::size_t r = 0; r < recipes.size(); ++r)
        lp += " + " + QByteArray::number(qlonglong(recipes[r].value)) + " x" +
              QByteArray::number(qulonglong(r));
    lp += "\nSubject To\n";
    std::vector<std::vector<std::size_t>> users(stock.size());
    for (std::size_t r = 0; r < recipes.size(); ++r) {
        for (const std::int32_t item : recipes[r].ingredients())
            users[std::size_t(item)].push_back(r);
    }
    for (std::size_t i = 0; i < users.size(); ++i) {
        if (users[i].empty())
            continue;
        lp += " s" + QByteArray::number(qulonglong(i)) + ":";
        for (std::size_t r : users[i])
            lp += " + x" + QByteArray::number(qulonglong(r));
        lp += " <= " + QByteArray::number(stock[i]) + "\n";
    }
    lp += "Bounds\n";
    for (std::size_t r = 0; r < recipes.size(); ++r)
        lp += " 0 <= x" + QByteArray::number(qulonglong(r)) +
              " <= " + QByteArray::number(MaxBrews(recipes[r].ingredients(), stock)) + "\n";
    lp += "General\n";
    for (std::size_t r = 0; r < recipes.size(); ++r)
        lp += " x" + QByteArray::number(qulonglong(r)) + "\n";
    lp += "End\n";
    return lp;
}

} // namespace qor
