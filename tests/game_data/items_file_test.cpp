// Items.ini: header numbers, the "/" column, slots, blank lines and the
// invariants the engine relies on.

#include "cp1251_text.h"

#include "game_data/data_files.h"

#include <gtest/gtest.h>

#include <string>

namespace qor {
namespace {

using test::cp;

constexpr int kEffects = 6; // effects 1..6 exist

QByteArray slots(const char *s1 = "0 0 0", const char *s2 = "0 0 0", const char *s3 = "0 0 0",
                 const char *s4 = "0 0 0") {
    return QByteArray(s1) + "\r\n" + s2 + "\r\n" + s3 + "\r\n" + s4 + "\r\n";
}

// The placeholder record, whose "/" is in column 16 of the rest of the line.
QByteArray placeholder() {
    return cp("0 0 0 0  Пусто        / Nothing\r\n") + slots();
}

TEST(ItemsFile, HeaderSlotsAndNames) {
    GameData data;
    const QByteArray file = placeholder() + cp("$0001A2B3 0.25 12 300  Корень       / Radix\r\n") +
                            slots("1 10 0", "2 5 60 trailing words", "3 0 1", "6 1 2");
    ASSERT_FALSE(parseItems(file, kEffects, data));
    ASSERT_EQ(data.itemRecordCount(), 2);
    ASSERT_EQ(data.ItemNames.size(), 2);
    ASSERT_EQ(data.ItemNamesUp.size(), 2);
    ASSERT_EQ(data.ItemNames2.size(), 2);
    const TItemRec &item = data.ItemTable[1];
    EXPECT_EQ(item.ID, 0x1A2B3);
    EXPECT_EQ(item.Weight, 0.25);
    EXPECT_EQ(item.Cost, 12);
    EXPECT_EQ(item.Extra, 300 % 256);
    EXPECT_EQ(item.Eff[0].Effect, 1);
    EXPECT_EQ(item.Eff[0].BasePower, 10);
    EXPECT_EQ(item.Eff[1].Effect, 2);
    EXPECT_EQ(item.Eff[1].BaseTime, 60);
    EXPECT_EQ(item.Eff[2].BaseTime, 1);
    EXPECT_EQ(item.Eff[3].Effect, 6);
    EXPECT_EQ(data.ItemNames[0], QString::fromUtf8("Пусто"));
    EXPECT_EQ(data.ItemNames2[0], QStringLiteral(" Nothing"));
    EXPECT_EQ(data.ItemNames[1], QString::fromUtf8("Корень"));
    EXPECT_EQ(data.ItemNamesUp[1], QString::fromUtf8("КОРЕНЬ"));
    EXPECT_EQ(data.ItemNames2[1], QStringLiteral(" Radix"));
}

TEST(ItemsFile, SeparatorColumnIsFixedByTheFirstRecordThatHasOne) {
    GameData data;
    // Record 1 has its "/" one column further right, record 2 further left.
    const QByteArray file = placeholder() + cp("1 1 1 0  Длинное имя   / Longus\r\n") + slots() +
                            cp("2 1 1 0  Коротк / Brevis\r\n") + slots();
    ASSERT_FALSE(parseItems(file, kEffects, data));
    ASSERT_EQ(data.itemRecordCount(), 3);
    EXPECT_EQ(data.ItemNames[1], QString::fromUtf8("Длинное имя"));
    EXPECT_EQ(data.ItemNames2[1], QStringLiteral("/ Longus"));
    EXPECT_EQ(data.ItemNames[2], QString::fromUtf8("Коротк / Brev"));
    EXPECT_EQ(data.ItemNames2[2], QStringLiteral("s"));
}

TEST(ItemsFile, LastSlashOfTheFirstRecordAndRecordsBeforeIt) {
    GameData data;
    // The placeholder has no "/": empty display name, whole rest as second name.
    const QByteArray file = cp("0 0 0 0  Ничего\r\n") + slots() + cp("1 1 1 0  А/Б / Alpha\r\n") + slots() +
                            cp("2 1 1 0  Вода / Aqua\r\n") + slots();
    ASSERT_FALSE(parseItems(file, kEffects, data));
    ASSERT_EQ(data.itemRecordCount(), 3);
    EXPECT_EQ(data.ItemNames[0], QString());
    EXPECT_EQ(data.ItemNames2[0], QString::fromUtf8("  Ничего"));
    EXPECT_EQ(data.ItemNames[1], QString::fromUtf8("А/Б"));
    EXPECT_EQ(data.ItemNames2[1], QStringLiteral(" Alpha"));
    EXPECT_EQ(data.ItemNames[2], QString::fromUtf8("Вода"));
    EXPECT_EQ(data.ItemNames2[2], QStringLiteral("/ Aqua"));
}

TEST(ItemsFile, SecondNameIsCutAt999Characters) {
    GameData data;
    const QByteArray file = "0 0 0 0  x/" + QByteArray(1500, 'L') + "\r\n" + slots();
    ASSERT_FALSE(parseItems(file, kEffects, data));
    EXPECT_EQ(data.ItemNames2[0], QString(999, u'L'));
}

TEST(ItemsFile, EmptyLinesInsideAndBetweenRecordsArePassedOver) {
    GameData data;
    const QByteArray file = placeholder() + "\r\n\r\n" + cp("1 1 5 0  Мёд / Mel\r\n") +
                            "\r\n1 2 3\r\n\n2 4 5\r\n" + "3 0 0\r\n\r\n4 0 0\r\n";
    ASSERT_FALSE(parseItems(file, kEffects, data));
    ASSERT_EQ(data.itemRecordCount(), 2);
    const TItemRec &item = data.ItemTable[1];
    EXPECT_EQ(item.Cost, 5);
    EXPECT_EQ(item.Eff[0].Effect, 1);
    EXPECT_EQ(item.Eff[0].BaseTime, 3);
    EXPECT_EQ(item.Eff[1].Effect, 2);
    EXPECT_EQ(item.Eff[2].Effect, 3);
    EXPECT_EQ(item.Eff[3].Effect, 4);
}

TEST(ItemsFile, EmptyLastLineAddsAnEmptyIngredient) {
    GameData data;
    const QByteArray file =
        placeholder() + cp("1 1 5 0  Мёд / Mel\r\n") + slots("1 1 1", "2 1 1", "3 1 1", "4 1 1");
    ASSERT_FALSE(parseItems(file, kEffects, data));
    EXPECT_EQ(data.itemRecordCount(), 2);

    ASSERT_FALSE(parseItems(QByteArray(file + "\r\n"), kEffects, data));
    ASSERT_EQ(data.itemRecordCount(), 3);
    const TItemRec &extra = data.ItemTable[2];
    EXPECT_EQ(extra.ID, 0);
    EXPECT_EQ(extra.Weight, 0.0);
    EXPECT_EQ(extra.Cost, 0);
    for (const TItemEffect &slot : extra.Eff) {
        EXPECT_EQ(slot.Effect, 0);
        EXPECT_EQ(slot.BasePower, 0);
    }
    EXPECT_EQ(data.ItemNames[2], QString());
    EXPECT_EQ(data.ItemNames2[2], QString());
}

TEST(ItemsFile, InvalidNumberNamesItsLine) {
    GameData data;
    const QByteArray file = placeholder() + cp("1 1 5 0  Мёд / Mel\r\n") + slots("1 1 1", "2 x 1");
    const std::optional<DataError> error = parseItems(file, kEffects, data);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message, QStringLiteral("Неверное числовое значение"));
    EXPECT_EQ(error->line, 8);
    // A weight with a comma is no number either.
    const std::optional<DataError> weight =
        parseItems(QByteArray(placeholder() + "1 0,5 1 0  a / b\r\n" + slots()), kEffects, data);
    ASSERT_TRUE(weight);
    EXPECT_EQ(weight->line, 6);
}

struct BrokenItem {
    const char *name; // the test's name: what is broken
    const char *slots[4];
    const char *problem; // part of the message
};

class ItemsInvariant : public ::testing::TestWithParam<BrokenItem> {};

TEST_P(ItemsInvariant, IsALoadingErrorNamingRecordAndProblem) {
    const BrokenItem &b = GetParam();
    GameData data;
    const QByteArray file = placeholder() + cp("1 1 1 0  Хорошее / Bonum\r\n") + slots("1 1 1", "2 1 1") +
                            "\r\n" + cp("2 1 1 0  Плохое / Malum\r\n") +
                            slots(b.slots[0], b.slots[1], b.slots[2], b.slots[3]);
    const std::optional<DataError> error = parseItems(file, kEffects, data);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->record, QStringLiteral("ингредиент 2"));
    EXPECT_TRUE(error->message.contains(QString::fromUtf8(b.problem))) << error->message.toStdString();
    EXPECT_EQ(error->line, 12);
}

INSTANTIATE_TEST_SUITE_P(
    Items, ItemsInvariant,
    ::testing::Values(
        // An index the effects do not reach: Effects.ini is the file to mend.
        BrokenItem{"EffectBeyondEffectsFile",
                   {"7 1 1", "1 1 1", "2 1 1", "3 1 1"},
                   "эффект 7 в ячейке 1 отсутствует в Effects.ini: там только эффекты 0..6"},
        BrokenItem{"NegativeEffect",
                   {"1 1 1", "-1 1 1", "2 1 1", "3 1 1"},
                   "отрицательный номер эффекта -1 в ячейке 2"},
        BrokenItem{
            "RepeatedEffect", {"1 1 1", "2 1 1", "3 1 1", "2 5 5"}, "эффект 2 указан дважды (ячейки 2 и 4)"},
        BrokenItem{"NegativePower",
                   {"1 1 1", "2 -4 1", "3 1 1", "4 1 1"},
                   "отрицательная базовая сила -4 в ячейке 2"},
        BrokenItem{"NegativeTime",
                   {"1 1 1", "2 1 1", "3 1 -1", "4 1 1"},
                   "отрицательная базовая длительность -1 в ячейке 3"}),
    [](const ::testing::TestParamInfo<BrokenItem> &info) { return std::string(info.param.name); });

TEST(ItemsFile, EmptySlotsMayRepeatEffectZero) {
    GameData data;
    const QByteArray file =
        placeholder() + cp("1 1 1 0  Мёд / Mel\r\n") + slots("0 0 0", "3 1 1", "0 0 0", "6 2 2");
    ASSERT_FALSE(parseItems(file, kEffects, data));
    EXPECT_EQ(data.ItemTable[1].Eff[1].Effect, 3);
    EXPECT_EQ(data.ItemTable[1].Eff[3].Effect, 6);
}

} // namespace
} // namespace qor

namespace qor {
namespace {

TEST(ItemsFile, ManyRecordsKeepTheirOrder) {
    QByteArray file = placeholder();
    for (int i = 1; i <= 450; ++i) {
        file += "$" + QByteArray::number(i, 16) + " 0.5 " + QByteArray::number(i) + " 0  " +
                QByteArray::number(i).leftJustified(13, ' ') + "/ L" + QByteArray::number(i) + "\r\n";
        file += slots("1 1 1", "2 2 2", "3 3 3", "4 4 4");
    }
    GameData data;
    ASSERT_FALSE(parseItems(file, kEffects, data));
    ASSERT_EQ(data.itemRecordCount(), 451);
    ASSERT_EQ(data.ItemNames.size(), 451);
    ASSERT_EQ(data.ItemNames2.size(), 451);
    for (int i : {1, 100, 101, 250, 450}) {
        EXPECT_EQ(data.ItemTable[std::size_t(i)].ID, i);
        EXPECT_EQ(data.ItemTable[std::size_t(i)].Cost, i);
        EXPECT_EQ(data.ItemNames[i], QString::number(i));
        EXPECT_EQ(data.ItemNames2[i], QString(QStringLiteral(" L") + QString::number(i)));
    }
}

} // namespace
} // namespace qor
