#include "recipe_list/potion_cells.h"

#include <QStringList>

#include <algorithm>

namespace qor {

namespace {

QString nameAt(const QStringList &names, int index) {
    return index >= 0 && index < names.size() ? names.at(index) : QString();
}

const TEffectRec *effectRec(const GameData &data, int effect) {
    return effect >= 0 && effect < data.effectRecordCount() ? &data.EffectTable[effect] : nullptr;
}

const TItemRec *itemRec(const GameData &data, int item) {
    return item >= 0 && item < data.itemRecordCount() ? &data.ItemTable[item] : nullptr;
}

bool isPercent(const GameData &data, int effect) {
    const TEffectRec *rec = effectRec(data, effect);
    return rec && rec->Percent != 0;
}

} // namespace

QString potionColumnCaption(int column) {
    static const char *const fixed[] = {"№", "Тип", "Цена", "Ингредиент 1", "Ингредиент 2", "Ингредиент 3"};
    if (column >= 0 && column < 6)
        return QString::fromUtf8(fixed[column]);
    if (column < 6 || column >= PotionColumn::Count)
        return {};
    const int slot = (column - 2) / 4;
    const QString n = QString::number(slot);
    switch ((column - 2) % 4) {
    case 0:
        return QStringLiteral("Сила эф. ") + n;
    case 1:
        return QStringLiteral("Время эф. ") + n;
    case 2:
        return QStringLiteral("Цена эф. ") + n;
    default:
        return QStringLiteral("Эффект ") + n;
    }
}

QString potEffColumnCaption(int column) {
    static const char *const captions[kPotEffColumnCount] = {
        "Тип", "Базовая Стоимость", "Цена", "Сила", "Время", "Эффект", "Описание"};
    if (column < 0 || column >= kPotEffColumnCount)
        return {};
    return QString::fromUtf8(captions[column]);
}

QString GetPotionCellText(const GameData &data, const PotionList &list, int row, int column, bool upper) {
    if (row < 0 || row >= list.PotionCount())
        return {};
    return potionCellText(data, list[row], row, column, upper);
}

QString potionCellText(const GameData &data, const TPotionRec &rec, int row, int column, bool upper) {
    if (column < 0 || column >= PotionColumn::Count)
        return {};
    switch (column) {
    case PotionColumn::Number:
        return QString::number(row + 1);
    case PotionColumn::Type:
        return QString(QChar(u'1' + rec.PotionType));
    case PotionColumn::Cost:
        return QString::number(rec.Cost);
    default:
        break;
    }
    if (PotionColumn::isItemColumn(column)) {
        const int item = rec.Items[column - PotionColumn::Item1];
        if (item < 1)
            return QStringLiteral("-");
        return nameAt(upper ? data.ItemNamesUp : data.ItemNames, item);
    }

    const int slot = (column - 2) / 4; // 1..5
    const TPotionEffect &eff = rec.Effects[slot - 1];
    if (column == PotionColumn::effect(slot)) {
        if (eff.Effect < 1)
            return QStringLiteral("-");
        return nameAt(upper ? data.EffectNamesUp : data.EffectNames, eff.Effect);
    }
    if (rec.EffCount < slot)
        return {};
    if (column == PotionColumn::power(slot)) {
        if (eff.Power <= 0)
            return QStringLiteral("-");
        QString text = QString::number(eff.Power);
        if (isPercent(data, eff.Effect))
            text += QLatin1Char('%');
        return text;
    }
    if (column == PotionColumn::time(slot))
        return eff.Time == 0 ? QStringLiteral("-") : QString::number(eff.Time);
    return eff.Cost == 0 ? QStringLiteral("-") : QString::number(eff.Cost);
}

QString formatGeneral(double v, const QString &decimalPoint) {
    QString text = QString::number(v, 'g', 15);
    if (decimalPoint != QLatin1String("."))
        text.replace(QLatin1Char('.'), decimalPoint);
    return text;
}

QString effectDescription(const TEffectRec &effect, std::int32_t power, std::int32_t time) {
    const QString &p1 = effect.Descr[0];
    const QString &p2 = effect.Descr[1];
    const QString &p3 = effect.Descr[2];
    const QString m = QString::number(power);
    const QString d = QString::number(time);
    switch (effect.DescrKind) {
    case 1:
        return p1;
    case 2:
        return p1 + d + p2;
    case 3:
        return p1 + m + p2;
    case 4:
        return p1 + d + p2 + m + p3;
    case 5:
        return p1 + m + p2 + d + p3;
    default:
        return {};
    }
}

QString GetPotEffDataStr(const GameData &data, const TPotionRec &cur, int slot, int column,
                         const QString &decimalPoint) {
    if (cur.EffCount <= 0 || slot < 1 || slot > kMaxPotionEffects)
        return {};
    const TPotionEffect &eff = cur.Effects[slot - 1];
    const TEffectRec *rec = effectRec(data, eff.Effect);
    if (!rec)
        return {};
    switch (column) {
    case 0:
        return rec->Harmful == 1 ? QStringLiteral("В") : QStringLiteral("П");
    case 1:
        return formatGeneral(rec->BaseCost, decimalPoint);
    case 2:
        return QString::number(eff.Cost);
    case 3:
        if (eff.Power == 0)
            return QStringLiteral("-");
        return rec->Percent ? QString::number(eff.Power) + QLatin1Char('%') : QString::number(eff.Power);
    case 4:
        return eff.Time == 0 ? QStringLiteral("-") : QString::number(eff.Time);
    case 5:
        return nameAt(data.EffectNames, eff.Effect);
    case 6:
        return effectDescription(*rec, eff.Power, eff.Time);
    default:
        return {};
    }
}

QString panelCountText(int potionCount) {
    return QStringLiteral(" Всего: ") + QString::number(potionCount);
}

QString potionDefaultName(const GameData &data, const TPotionRec &rec) {
    if (rec.ItemCount == 0)
        return {};
    QStringList names;
    for (int item : rec.Items) {
        if (item > 0)
            names << nameAt(data.ItemNames, item);
    }
    int mainSlot = rec.MainEffSlot;
    const int mainEffect =
        mainSlot >= 1 && mainSlot <= kMaxPotionEffects ? rec.Effects[mainSlot - 1].Effect : 0;
    return names.join(QStringLiteral(" + ")) + QStringLiteral(" = ") + nameAt(data.EffectNames, mainEffect);
}

QString potionAddInfoText(const GameData &data, const TPotionRec &rec) {
    if (rec.ItemCount <= 0)
        return {};
    qint64 itemsPrice = 0;
    for (int k = 0; k < rec.ItemCount && k < kMaxPotionItems; ++k) {
        if (const TItemRec *item = itemRec(data, rec.Items[k]))
            itemsPrice += item->Cost;
    }
    QString text = QStringLiteral("Цена зелья: ") + QString::number(rec.Cost) +
                   QStringLiteral("\nЦена ингредиентов: ") + QString::number(itemsPrice);
    if (rec.UselessItem > 0) {
        text += QStringLiteral("\nБесполезный ингредиент:\n") + nameAt(data.ItemNames, rec.UselessItem);
    }
    return text;
}

QString detailsMessageCaption() {
    return QStringLiteral("Эффекты компонентов");
}

QString potionDetailsText(const GameData &data, const TPotionRec &rec) {
    QString text;
    const int effCount = std::clamp(rec.EffCount, 0, kMaxPotionEffects);
    for (int k = 0; k < kMaxPotionItems; ++k) {
        const TItemRec *item = rec.Items[k] > 0 ? itemRec(data, rec.Items[k]) : nullptr;
        if (!item)
            continue;
        text += QStringLiteral("   [") + nameAt(data.ItemNames, rec.Items[k]) + QStringLiteral("] / Цена: ") +
                QString::number(item->Cost) + QStringLiteral("\n\n");
        for (const TItemEffect &slot : item->Eff) {
            // The last recipe slot holding the effect names it.
            QChar marker = QLatin1Char('-');
            for (int s = 0; s < effCount; ++s) {
                if (rec.Effects[s].Effect == slot.Effect)
                    marker = QChar(u'1' + s);
            }
            text += marker + QStringLiteral("  ") + nameAt(data.EffectNames, slot.Effect) +
                    QStringLiteral("   \n");
        }
        if (k < 2)
            text += QLatin1Char('\n');
    }
    return text;
}

QString elementCountMessage(const QString &elementName, int count) {
    return elementName + QStringLiteral(": ") + QString::number(count) + QStringLiteral("     ");
}

QString disableItemCaption(const QString &itemName) {
    return QStringLiteral("Отключить ингредиент \"") + itemName + QStringLiteral("\" из списка возможных");
}

QString countElementsCaption(const QString &cellText) {
    return QStringLiteral("Показать кол-во элементов \"") + cellText + QStringLiteral("\" в списке");
}

QString deleteWithElementCaption(const QString &cellText) {
    return QStringLiteral("Удалить все рецепты содержащие: \"") + cellText + QLatin1Char('"');
}

RecipePopupState recipePopupState(const GameData &data, const PotionList &list, int selectedRow,
                                  int pressColumn, int pressRow) {
    RecipePopupState state;
    const int count = list.PotionCount();
    state.recipeCommands = selectedRow != -1 && count > 0;
    const int item = GetLbPotionDataNum(kElementItem, pressColumn, pressRow, list);
    const int effect = GetLbPotionDataNum(kElementEffect, pressColumn, pressRow, list);

    state.disableItem = item > 0;
    state.disableItemCaption = disableItemCaption(item > 0 ? nameAt(data.ItemNames, item) : QString());
    state.itemMarker = item > 0;
    state.itemMarkerChecked = item > 0 && item < data.itemRecordCount() && data.ItemTable[item].Marked;
    state.effectMarker = effect > 0;
    state.effectMarkerChecked =
        effect > 0 && effect < data.effectRecordCount() && data.EffectTable[effect].Marked;

    state.elementCommands = item > 0 || effect > 0;
    // The caption names the text of the selected row in the pressed column.
    const QString text = state.elementCommands
                             ? GetPotionCellText(data, list, selectedRow, pressColumn, false)
                             : QStringLiteral(" ");
    state.countCaption = countElementsCaption(text);
    state.deleteAllCaption = deleteWithElementCaption(text);
    return state;
}

} // namespace qor
