#include "game_data/name_lookup.h"

#include "game_data/game_data.h"

namespace qor {

namespace {

QString nameOrDash(const QStringList &names, std::int32_t index) {
    if (index < 0 || index >= names.size())
        return QStringLiteral("-");
    return names.at(index);
}

} // namespace

QString itemNameOrDash(const GameData &data, std::int32_t item) {
    return nameOrDash(data.ItemNames, item);
}

QString effectNameOrDash(const GameData &data, std::int32_t effect) {
    return nameOrDash(data.EffectNames, effect);
}

std::optional<std::int32_t> costBound(const GameData &data, std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= data.CostList.size())
        return std::nullopt;
    return data.CostList[static_cast<std::size_t>(index)];
}

} // namespace qor
