#include "input/chooser_keys.h"

namespace qor {

namespace {

struct GroupName {
    ChooserGroup group;
    const char16_t *prefix;
    int rows; // 0: a single chooser named by the prefix alone
    const char16_t *box;
};

constexpr GroupName kGroups[] = {
    {ChooserGroup::Effect, u"CbEffect", 5, u"CBoxEnableEff"},
    {ChooserGroup::Filter, u"CbFilter", 5, u"CBoxEnableEff"},
    {ChooserGroup::Required, u"CbPrioriryIngredient", 2, u"CheckBoxCanPrimaryItem"},
    {ChooserGroup::Ingredient, u"CbIngredient", 3, u"CBoxCanUseItem"},
    {ChooserGroup::CostMin, u"ComboBoxCost_Min", 0, u"CBoxNeedCheckCost"},
    {ChooserGroup::CostMax, u"ComboBoxCost_Max", 0, u"CBoxNeedCheckCost"},
};

const GroupName *groupOf(ChooserGroup group) {
    for (const GroupName &g : kGroups) {
        if (g.group == group)
            return &g;
    }
    return nullptr;
}

ChooserKeyOutcome swallow() {
    ChooserKeyOutcome out;
    out.handled = true;
    return out;
}

ChooserKeyOutcome moveTo(ChooserGroup group, int row, bool locked = true) {
    ChooserKeyOutcome out;
    out.handled = true;
    out.target = {group, row};
    out.lockedMove = locked;
    return out;
}

ChooserKeyOutcome exchangeWith(ChooserGroup group, int row) {
    ChooserKeyOutcome out = moveTo(group, row);
    switch (group) {
    case ChooserGroup::Effect:
    case ChooserGroup::Filter:
        out.exchange = ChooserExchange::BothCommandsLocked;
        break;
    case ChooserGroup::Required:
        out.exchange = ChooserExchange::SenderCommandThenMove;
        break;
    default:
        out.exchange = ChooserExchange::ThenMove;
        break;
    }
    return out;
}

ChooserKeyOutcome shiftArrow(ChooserRef from, ArrowKey key) {
    const bool up = key == ArrowKey::Up;
    switch (from.group) {
    case ChooserGroup::Effect:
    case ChooserGroup::Filter:
        if (key == ArrowKey::Right && from.group == ChooserGroup::Effect)
            return moveTo(ChooserGroup::Filter, from.row, false);
        if (key == ArrowKey::Left && from.group == ChooserGroup::Filter)
            return moveTo(ChooserGroup::Effect, from.row, false);
        if (up && from.row > 1)
            return moveTo(from.group, from.row - 1);
        if (key == ArrowKey::Down && from.row < 5)
            return moveTo(from.group, from.row + 1);
        return swallow();
    case ChooserGroup::Required:
        if (key == ArrowKey::Down && from.row == 1)
            return moveTo(ChooserGroup::Required, 2);
        if (up && from.row == 2)
            return moveTo(ChooserGroup::Required, 1);
        break;
    case ChooserGroup::Ingredient:
        if (up && from.row > 1)
            return moveTo(ChooserGroup::Ingredient, from.row - 1);
        if (key == ArrowKey::Down && from.row < 3)
            // From the second to the third chooser nothing is searched yet.
            return moveTo(ChooserGroup::Ingredient, from.row + 1, from.row != 2);
        break;
    default:
        return {};
    }
    // Shift+Left and Shift+Right leave the other choosers to their own handling.
    return key == ArrowKey::Up || key == ArrowKey::Down ? swallow() : ChooserKeyOutcome{};
}

ChooserKeyOutcome ctrlArrow(ChooserRef from, ArrowKey key) {
    if (key != ArrowKey::Up && key != ArrowKey::Down)
        return {};
    const int step = key == ArrowKey::Up ? -1 : 1;
    const int to = from.row + step;
    switch (from.group) {
    case ChooserGroup::Effect:
    case ChooserGroup::Filter:
        return to >= 1 && to <= 5 ? exchangeWith(from.group, to) : swallow();
    case ChooserGroup::Required:
        return to >= 1 && to <= 2 ? exchangeWith(from.group, to) : swallow();
    case ChooserGroup::Ingredient:
        return to >= 1 && to <= 3 ? exchangeWith(from.group, to) : swallow();
    default:
        return {};
    }
}

} // namespace

ChooserRef chooserOfName(QStringView objectName) {
    for (const GroupName &g : kGroups) {
        const QStringView prefix(g.prefix);
        if (!objectName.startsWith(prefix))
            continue;
        const QStringView rest = objectName.mid(prefix.size());
        if (g.rows == 0)
            return rest.isEmpty() ? ChooserRef{g.group, 1} : ChooserRef{};
        bool ok = false;
        const int row = rest.toInt(&ok);
        if (ok && rest.size() == 1 && row >= 1 && row <= g.rows)
            return {g.group, row};
    }
    return {};
}

QString chooserName(ChooserRef chooser) {
    const GroupName *g = groupOf(chooser.group);
    if (!g)
        return {};
    const QString prefix = QString::fromUtf16(g->prefix);
    return g->rows == 0 ? prefix : prefix + QString::number(chooser.row);
}

QString chooserCheckBoxName(ChooserRef chooser) {
    const GroupName *g = groupOf(chooser.group);
    if (!g)
        return {};
    const QString box = QString::fromUtf16(g->box);
    return g->rows == 0 ? box : box + QString::number(chooser.row);
}

ChooserKeyOutcome chooserArrowKey(ChooserRef sender, ArrowKey key, KeyModifiers modifiers) {
    if (!sender.valid())
        return {};
    if (modifiers.shiftOnly())
        return shiftArrow(sender, key);
    if (modifiers.ctrlOnly())
        return ctrlArrow(sender, key);
    return {};
}

} // namespace qor
