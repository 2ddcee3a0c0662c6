// Main.ini written by the program reads back to the same value, and the
// reading rules for counts, sets, fonts and the block.

#include "settings_test_util.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace qor;
using namespace qor::test;

namespace {

constexpr int kItems = 4; // placeholder + three ingredients

MainSettings parse(const QByteArray &bytes, int items = kItems) {
    MainSettings s;
    const SettingsResult r = parseSettings(bytes, items, s);
    EXPECT_TRUE(r.ok()) << r.message.toStdString();
    return s;
}

TEST(SettingsRoundTrip, DefaultsAndRichValueSurviveReadWriteCycles) {
    for (const MainSettings &original : {defaultSettings(kItems), richSettings(kItems)}) {
        const QByteArray first = serializeSettings(original);
        const MainSettings back = parse(first);
        EXPECT_EQ(back, original);
        EXPECT_EQ(serializeSettings(back), first);
        // A second cycle changes nothing either.
        EXPECT_EQ(serializeSettings(parse(serializeSettings(back))), first);
    }
}

TEST(SettingsRoundTrip, FileOnDiskIsRewrittenByteForByte) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Main.ini"));
    const MainSettings original = richSettings(kItems);
    ASSERT_TRUE(WriteSettings(path, original).ok());

    MainSettings read;
    ASSERT_TRUE(ReadSettings(path, kItems, read).ok());
    EXPECT_EQ(read, original);

    const QString again = dir.filePath(QStringLiteral("again.ini"));
    ASSERT_TRUE(WriteSettings(again, read).ok());
    QFile a(path), b(again);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly));
    ASSERT_TRUE(b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
}

TEST(SettingsRoundTrip, FormatIsCp1251WithCrLfAndFixedSections) {
    const QByteArray bytes = serializeSettings(richSettings(kItems));
    // Every line ends in CR LF and there is no bare LF.
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    // "Мой набор" in code page 1251.
    EXPECT_TRUE(bytes.contains("\xCC\xEE\xE9 \xED\xE0\xE1\xEE\xF0"));

    const QStringList lines = linesOf(bytes);
    EXPECT_EQ(lines.at(0), QStringLiteral("26"));
    EXPECT_EQ(lines.at(4), QStringLiteral("211"));
    EXPECT_EQ(lines.at(kBlockCountLine - 1), QStringLiteral("71"));
    // One blank between the numbers of a line, minus sign, no padding.
    EXPECT_EQ(lines.at(kFavCountLine - 1), QStringLiteral("2"));
    EXPECT_EQ(lines.at(kFavCountLine + 1),
              QStringLiteral("1 3 0 2 1 0 0 0 2 2 2 123 0 1 10 11 0 0 0 20 21 0 0 0 30 31 0 0 0"));
    EXPECT_EQ(lines.at(kFavCountLine + 4), QStringLiteral("0111")); // set 0
    EXPECT_EQ(lines.at(kFavCountLine + 6), QStringLiteral("0101")); // set 2
    EXPECT_TRUE(lines.contains(QStringLiteral("-10 20 310 420")));
    EXPECT_TRUE(lines.contains(QStringLiteral("2 9 3 1 1 2 1 0"))); // slot 3, first line
    EXPECT_EQ(lines.size(), 205 + 2 * 2 + 2 + 1); // two recipes, two ingredients, one effect
    EXPECT_EQ(lines.last(), QString::fromLatin1("\xCC\xEE\xE9 \xED\xE0\xE1\xEE\xF0"));
}

TEST(SettingsRoundTrip, ReservedLinesAreWrittenAsZero) {
    MainSettings s = defaultSettings(kItems);
    for (int line : {14, 69, 70, 71})
        s.block.setValue(line, 555);
    const QStringList lines = linesOf(serializeSettings(s));
    for (int line : {14, 69, 70, 71})
        EXPECT_EQ(lines.at(blockLine(line) - 1), QStringLiteral("0")) << "block line " << line;
    EXPECT_EQ(s.block.value(14), 555); // the value itself is left alone
}

TEST(SettingsRead, BlockAnnouncedLongerOrShorter) {
    const QStringList base = linesOf(serializeSettings(defaultSettings(kItems)));

    // 75 values: the four extra ones are read and dropped.
    QStringList longer = base;
    longer[kBlockCountLine - 1] = QStringLiteral("75");
    for (int i = 0; i < 4; ++i)
        longer.insert(blockLine(71), QStringLiteral("9999"));
    const MainSettings a = parse(bytesOf(longer));
    EXPECT_EQ(a, defaultSettings(kItems));

    // 60 values: lines 61..71 read as 0.
    QStringList shorter = base;
    shorter[kBlockCountLine - 1] = QStringLiteral("60");
    for (int i = 0; i < 11; ++i)
        shorter.removeAt(blockLine(61) - 1);
    MainSettings withTools = defaultSettings(kItems);
    withTools.block.set(Setting.MenuShowFormFavorites, true);
    withTools.block.set(Setting.MenuShowUsedItemsList, true);
    withTools.block.set(Setting.PictureWindowOpen, true);
    ASSERT_TRUE(parseSettings(bytesOf(shorter), kItems, withTools).ok());
    for (int line = 61; line <= 71; ++line)
        EXPECT_EQ(withTools.block.value(line), 0) << line;
    EXPECT_FALSE(withTools.block.get(Setting.MenuShowFormFavorites));
    EXPECT_FALSE(withTools.block.get(Setting.PictureWindowOpen));
    EXPECT_EQ(withTools.block.get(Setting.AlchemySkill), 15); // line 44 was still read
    EXPECT_EQ(withTools.block.get(Setting.DragBlend), 200);   // line 60 was still read
}

TEST(SettingsRead, FlagsLowByteAndCorrections) {
    QStringList lines = linesOf(serializeSettings(defaultSettings(kItems)));
    lines[blockLine(Setting.MenuCanQuickSearsh.line) - 1] = QStringLiteral("2");
    lines[blockLine(Setting.MenuShowHints.line) - 1] = QStringLiteral("-1");
    lines[blockLine(Setting.PerkPurity.line) - 1] = QStringLiteral("1");
    lines[blockLine(Setting.EffColorChar.line) - 1] = QStringLiteral("405"); // 0x195
    lines[blockLine(Setting.GridFindCol.line) - 1] = QStringLiteral("30");
    lines[blockLine(Setting.PotionFindCol.line) - 1] = QStringLiteral("26");
    MainSettings s = parse(bytesOf(lines));
    EXPECT_FALSE(s.block.get(Setting.MenuCanQuickSearsh));
    EXPECT_FALSE(s.block.get(Setting.MenuShowHints));
    EXPECT_TRUE(s.block.get(Setting.PerkPurity));
    EXPECT_TRUE(s.block.skillSettings().PerkPurity);
    EXPECT_EQ(s.block.get(Setting.EffColorChar), 0x95);
    EXPECT_EQ(s.block.value(Setting.EffColorChar.line), 0x95);
    EXPECT_EQ(s.block.get(Setting.GridFindCol), 1);
    EXPECT_EQ(s.block.get(Setting.PotionFindCol), 3);

    lines[blockLine(Setting.GridFindCol.line) - 1] = QStringLiteral("0");
    lines[blockLine(Setting.PotionFindCol.line) - 1] = QStringLiteral("25");
    s = parse(bytesOf(lines));
    EXPECT_EQ(s.block.get(Setting.GridFindCol), 1);
    EXPECT_EQ(s.block.get(Setting.PotionFindCol), 25);

    lines[blockLine(Setting.GridFindCol.line) - 1] = QStringLiteral("29");
    lines[blockLine(Setting.PotionFindCol.line) - 1] = QStringLiteral("0");
    s = parse(bytesOf(lines));
    EXPECT_EQ(s.block.get(Setting.GridFindCol), 29);
    EXPECT_EQ(s.block.get(Setting.PotionFindCol), 0);
}

TEST(SettingsWrite, FlagLinesAreWrittenAsTheirCheckState) {
    // A foreign file with 2 and -1 on flag lines: both read as off, so the
    // rewritten file holds 0 there, and 1 stays 1; other lines keep their
    // values whatever they are.
    QStringList lines = linesOf(serializeSettings(defaultSettings(kItems)));
    lines[blockLine(Setting.MenuGridLinesVer.line) - 1] = QStringLiteral("2");
    lines[blockLine(Setting.DragShadow.line) - 1] = QStringLiteral("-1");
    lines[blockLine(Setting.PerkPoisoner.line) - 1] = QStringLiteral("257");
    lines[blockLine(Setting.PerkPurity.line) - 1] = QStringLiteral("1");
    lines[blockLine(Setting.DragImageSize.line) - 1] = QStringLiteral("-7");
    const MainSettings s = parse(bytesOf(lines));
    const QStringList written = linesOf(serializeSettings(s));
    EXPECT_EQ(written.at(blockLine(Setting.MenuGridLinesVer.line) - 1), QStringLiteral("0"));
    EXPECT_EQ(written.at(blockLine(Setting.DragShadow.line) - 1), QStringLiteral("0"));
    EXPECT_EQ(written.at(blockLine(Setting.PerkPoisoner.line) - 1), QStringLiteral("0"));
    EXPECT_EQ(written.at(blockLine(Setting.PerkPurity.line) - 1), QStringLiteral("1"));
    EXPECT_EQ(written.at(blockLine(Setting.DragImageSize.line) - 1), QStringLiteral("-7"));
    // What the writer produced reads back to the same file.
    EXPECT_EQ(serializeSettings(parse(serializeSettings(s))), serializeSettings(s));
}

TEST(SettingsRead, SetLinesShortLongAndOnlyFourNames) {
    constexpr int six = 6;
    QStringList lines = linesOf(serializeSettings(defaultSettings(six)));
    const int set0 = kFavCountLine + 1; // 1-based line of set 0
    lines[set0 - 1] = QStringLiteral("0101");
    lines[set0] = QStringLiteral("01111111111"); // longer than six
    lines[set0 + 1] = QString();
    lines[set0 + 2] = QStringLiteral("1x1 11");
    // Six names announced: the first four are kept.
    const int namesCount = static_cast<int>(lines.size()) - 4;
    lines[namesCount - 1] = QStringLiteral("6");
    lines.append(QStringLiteral("five"));
    lines.append(QStringLiteral("six"));
    lines[namesCount] = QStringLiteral("First");

    const MainSettings s = parse(bytesOf(lines), six);
    using V = std::vector<std::uint8_t>;
    EXPECT_EQ(s.usedItems.UsedItemsSets[0], (V{0, 1, 0, 1, 0, 0}));
    EXPECT_EQ(s.usedItems.UsedItemsSets[1], (V{0, 1, 1, 1, 1, 1}));
    EXPECT_EQ(s.usedItems.UsedItemsSets[2], (V{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(s.usedItems.UsedItemsSets[3], (V{1, 0, 1, 0, 1, 1}));
    EXPECT_EQ(s.usedItems.ItemAvailable, (V{0, 1, 0, 1, 0, 0})); // set 0 is current
    ASSERT_EQ(s.usedItems.UsedItemsSetNames.size(), 4);
    EXPECT_EQ(s.usedItems.UsedItemsSetNames.at(0), QStringLiteral("First"));
    EXPECT_EQ(s.usedItems.UsedItemsSetNames.at(3), QStringLiteral("Набор 4"));
    EXPECT_EQ(serializeSettings(s).count("five"), 0);
}

TEST(SettingsRead, ColumnWidthCountsDriveTheReading) {
    QStringList lines = linesOf(serializeSettings(defaultSettings(kItems)));
    // Header: 2 widths instead of 26; the rest keep their initial values.
    lines[0] = QStringLiteral("2");
    lines[1] = QStringLiteral("77");
    for (int i = 0; i < 24; ++i)
        lines.removeAt(3);
    // Effect-info: 9 widths instead of 7; the two extra ones are dropped.
    const int effCount = 1 + 2 + 1; // 1-based line of its count
    ASSERT_EQ(lines.at(effCount - 1), QStringLiteral("7"));
    lines[effCount - 1] = QStringLiteral("9");
    lines.insert(effCount + 7, QStringLiteral("5"));
    lines.insert(effCount + 7, QStringLiteral("6"));
    lines[effCount] = QStringLiteral("33");

    const MainSettings s = parse(bytesOf(lines));
    const MainSettings d = defaultSettings(kItems);
    EXPECT_EQ(s.headerWidths[0], 77);
    EXPECT_EQ(s.headerWidths[1], d.headerWidths[1]);
    EXPECT_EQ(s.headerWidths[25], d.headerWidths[25]);
    EXPECT_EQ(s.headerEffInfoWidths[0], 33);
    EXPECT_EQ(s.headerEffInfoWidths[6], d.headerEffInfoWidths[6]);
    EXPECT_EQ(s.gridColumnWidths, d.gridColumnWidths); // nothing shifted
    EXPECT_EQ(s.block, d.block);
}

TEST(SettingsRead, FontNamesWithBlanksAndStringLinesAreWhole) {
    MainSettings s = defaultSettings(kItems);
    s.font(SettingsFont::StringGrid) = {QStringLiteral("  Courier New Cyr "), 9};
    s.favorites.addPotion(TPotionRec{}, QStringLiteral(" 12 34 "));
    const MainSettings back = parse(serializeSettings(s));
    EXPECT_EQ(back.font(SettingsFont::StringGrid).name, QStringLiteral("  Courier New Cyr "));
    EXPECT_EQ(back.font(SettingsFont::StringGrid).size, 9);
    EXPECT_EQ(back.favorites.FavPotionNames.at(0), QStringLiteral(" 12 34 "));
}

TEST(SettingsRead, LfOnlyAndMissingFinalLineBreakAreAccepted) {
    const QByteArray crlf = serializeSettings(richSettings(kItems));
    QByteArray lf = crlf;
    lf.replace("\r\n", "\n");
    EXPECT_EQ(parse(lf), richSettings(kItems));
    EXPECT_EQ(parse(crlf.chopped(2)), richSettings(kItems));
}

TEST(SettingsWrite, LineBreaksInsideNamesCannotShiftSections) {
    MainSettings s = defaultSettings(kItems);
    s.favorites.addPotion(TPotionRec{}, QStringLiteral("два\r\nслова"));
    s.usedItems.renameSet(1, QStringLiteral("a\nb"));
    s.font(SettingsFont::LbHelp).name = QStringLiteral("X\rY");
    const MainSettings back = parse(serializeSettings(s));
    EXPECT_EQ(back.favorites.FavPotionNames.at(0), QStringLiteral("два  слова"));
    EXPECT_EQ(back.usedItems.setName(1), QStringLiteral("a b"));
    EXPECT_EQ(back.font(SettingsFont::LbHelp).name, QStringLiteral("X Y"));
    EXPECT_EQ(back.SearchSlots, s.SearchSlots);
}

TEST(SettingsRead, SlotFlagsReadAsLowByteAndRawIndicesKept) {
    QStringList lines = linesOf(serializeSettings(defaultSettings(kItems)));
    const int slot1 = static_cast<int>(lines.size()) - 5 - 17; // first line of slot 1 (1-based)
    ASSERT_EQ(lines.at(slot1 - 1), QStringLiteral("0 0 0 0 0 0 0 0"));
    lines[slot1 - 1] = QStringLiteral("999 -4 500 2 256 7 257 1");
    lines[slot1] = QStringLiteral("88 4000 512");
    const MainSettings s = parse(bytesOf(lines));
    const SearchConditions &c = s.SearchSlots[1];
    EXPECT_EQ(c.CostMinIndex, 999);
    EXPECT_EQ(c.CostMaxIndex, -4);
    EXPECT_EQ(c.RequiredItem1, 500);
    EXPECT_FALSE(c.CheckCost); // 256: low byte 0
    EXPECT_EQ(c.ItemsCountMode, 7);
    EXPECT_TRUE(c.RequiredItem1Enabled); // 257: low byte 1
    EXPECT_TRUE(c.RequiredItem2Enabled);
    EXPECT_EQ(c.FilterCode[0], 88);
    EXPECT_EQ(c.WantedEffect[0], 4000);
    EXPECT_FALSE(c.EffectEnabled[0]);
    EXPECT_TRUE(c.EffectEnabled[1]);
}

} // namespace
