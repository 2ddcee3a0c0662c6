#pragma once
// Helpers for building and editing Main.ini texts in tests.

#include "settings/settings_file.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace qor::test {

// File line numbers (1-based) of a file written for the default layout:
// 26 header widths, 7 effect-info widths, 30 grid widths, 71 block values.
inline constexpr int kBlockCountLine = 1 + 1 + 26 + 1 + 7 + 1 + 30;
inline constexpr int blockLine(int blockLineNo) {
    return kBlockCountLine + blockLineNo;
}
inline constexpr int kFavCountLine = kBlockCountLine + 71 + 1;

// The lines of a written file, without their CR LF.
inline QStringList linesOf(const QByteArray &bytes) {
    QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Lines (Latin-1 only) back to file bytes with CR LF.
inline QByteArray bytesOf(const QStringList &lines) {
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

// A settings value with something in every section.
inline MainSettings richSettings(int itemRecordCount) {
    MainSettings s = defaultSettings(itemRecordCount);
    s.headerWidths[3] = 211;
    s.headerEffInfoWidths[6] = 99;
    s.gridColumnWidths[29] = 177;
    for (int line = 1; line <= kSettingsBlockSize; ++line)
        s.block.setValue(line, line * 7 - 100); // negative and positive values
    // A check state is 0 or 1 in the program; both occur.
    for (const SettingRow &row : settingRows()) {
        if (row.kind == SettingKind::Flag)
            s.block.setValue(row.line, row.line % 2);
    }
    s.block.set(Setting.GridFindCol, 5);
    s.block.set(Setting.PotionFindCol, 0);
    s.block.set(Setting.EffColorChar, std::uint8_t{0x95});
    s.block.clearReserved();
    s.setUsedItemsSetIndex(2);

    TPotionRec rec;
    rec.Items = {1, 3, 0};
    rec.ItemCount = 2;
    rec.EffCount = 2;
    rec.MainEffSlot = 2;
    rec.Cost = 123;
    rec.UselessItem = 0;
    rec.PotionType = 1;
    rec.Effects[0] = {2, 10, 20, 30};
    rec.Effects[1] = {1, 11, 21, 31};
    s.favorites.addPotion(rec, QStringLiteral("Зелье «лечения» №1"));
    rec.Items = {2, 1, 3};
    rec.ItemCount = 3;
    rec.Cost = 7;
    s.favorites.addPotion(rec, QString());
    s.favorites.FavItems = {3, 1};
    s.favorites.FavEffects = {2};

    s.usedItems.UsedItemsSets[1][2] = 1;
    s.usedItems.UsedItemsSets[2][1] = 1;
    s.usedItems.UsedItemsSets[2][3] = 1;
    s.usedItems.renameSet(3, QStringLiteral("Мой набор"));
    s.usedItems.MakeUsedItems();

    s.pictureWindowBounds = {-10, 20, 310, 420};
    s.usedItemsWindowBounds = {1, 2, 3, 4};
    s.favoritesWindowBounds = {5, 6, 7, 8};
    s.font(SettingsFont::MainForm) = {QStringLiteral("Times New Roman"), 12};
    s.font(SettingsFont::DragText) = {QStringLiteral("Шрифт"), -11};

    SearchConditions c;
    c.CostMinIndex = 2;
    c.CostMaxIndex = 9;
    c.RequiredItem1 = 3;
    c.RequiredItem2 = 1;
    c.ItemsCountMode = 2;
    c.FilterCode = {0, 1, 2, 7, 8};
    c.WantedEffect = {1, 2, 0, 0, 1};
    c.EffectEnabled = {true, false, true, false, true};
    c.RequiredItem1Enabled = true;
    c.CheckCost = true;
    s.SearchSlots[3] = c;
    return s;
}

} // namespace qor::test
