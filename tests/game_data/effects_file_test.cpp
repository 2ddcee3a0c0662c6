// Effects.ini: numbers, the name and description columns, markers and kinds.

#include "cp1251_text.h"

#include "game_data/data_files.h"
#include "game_data/effect_description.h"

#include <gtest/gtest.h>

#include <string>

namespace qor {
namespace {

using test::cp;

// An Effects.ini line: the six numbers, then the name in columns 2..39 of the
// rest of the line and the description from column 40 on.
QByteArray effectLine(const char *numbers, const char *name, const char *descr = "") {
    QByteArray rest = " " + cp(name);
    rest = rest.leftJustified(39, ' ');
    return QByteArray(numbers) + rest + cp(descr) + "\r\n";
}

struct Pieces {
    int kind;
    QString p1, p2, p3;
};

Pieces split(const char *descr) {
    const QByteArray bytes = cp(descr);
    const DescriptionPieces d = splitDescription(bytes);
    return {d.kind, fromCp1251(d.pieces[0]), fromCp1251(d.pieces[1]), fromCp1251(d.pieces[2])};
}

void expectPieces(const char *descr, int kind, const char *p1, const char *p2, const char *p3) {
    const Pieces p = split(descr);
    EXPECT_EQ(p.kind, kind) << descr;
    EXPECT_EQ(p.p1, QString::fromUtf8(p1)) << descr;
    EXPECT_EQ(p.p2, QString::fromUtf8(p2)) << descr;
    EXPECT_EQ(p.p3, QString::fromUtf8(p3)) << descr;
}

TEST(DescriptionMarkers, KindsByMarkerCountAndLetter) {
    expectPieces("", 0, "", "", "");
    expectPieces("Просто текст", 1, "Просто текст", "", "");
    expectPieces("Длится <D> сек.", 2, "Длится ", " сек.", "");
    expectPieces("Лечит <M> ед.", 3, "Лечит ", " ед.", "");
    expectPieces("На <D> сек. по <M> ед.", 4, "На ", " сек. по ", " ед.");
    expectPieces("По <M> ед. на <D> сек.", 5, "По ", " ед. на ", " сек.");
    // Only the first marker's letter counts: two non-"D" markers give 5.
    expectPieces("По <M> ед. на <X> сек.", 5, "По ", " ед. на ", " сек.");
    // The character after the letter is skipped whatever it is.
    expectPieces("a<D)b", 2, "a", "b", "");
    // Lower-case "d" is not the duration marker.
    expectPieces("a<d>b", 3, "a", "b", "");
}

TEST(DescriptionMarkers, MarkersAtTheEdges) {
    // A "<" at the start is text, up to the next marker.
    expectPieces("<D> сек.", 1, "<D> сек.", "", "");
    expectPieces("<M> и <D>.", 2, "<M> и ", ".", "");
    // A single marker at the very end leaves the second piece empty.
    expectPieces("Урон <M>", 3, "Урон ", "", "");
    expectPieces("Урон <", 3, "Урон ", "", "");
    expectPieces("Урон <D", 2, "Урон ", "", "");
    // Two markers directly in a row: one marker, then plain text.
    expectPieces("x<D><M>y", 2, "x", "<M>y", "");
    // One character between them is enough for two markers.
    expectPieces("x<D>-<M>y", 4, "x", "-", "y");
    // A third marker stays text of the third piece.
    expectPieces("a<D>b<M>c<X>d", 4, "a", "b", "c<X>d");
}

TEST(EffectsFile, FieldsNameAndDescriptionColumns) {
    GameData data;
    const QByteArray file = effectLine("0 0 0 0 0 0", "") +
                            effectLine("2.5 1 0 1 1 3", "Яд  ", "Отравляет на <M> ед.") +
                            effectLine("0.75 0 1 0 0 5", "  Лёгкость", "Текст");
    ASSERT_FALSE(parseEffects(file, data));
    ASSERT_EQ(data.effectRecordCount(), 3);
    ASSERT_EQ(data.EffectNames.size(), 3);
    ASSERT_EQ(data.EffectNamesUp.size(), 3);
    const TEffectRec &e = data.EffectTable[1];
    EXPECT_EQ(e.BaseCost, 2.5);
    EXPECT_EQ(e.PerkBoost, 1);
    EXPECT_EQ(e.TimeScaled, 0);
    EXPECT_EQ(e.Percent, 1);
    EXPECT_EQ(e.Harmful, 1);
    EXPECT_EQ(e.EffClass, 3);
    EXPECT_EQ(e.DescrKind, 3);
    EXPECT_EQ(e.Descr[0], QString::fromUtf8("Отравляет на "));
    EXPECT_EQ(e.Descr[1], QString::fromUtf8(" ед."));
    // Trailing blanks of the name go, leading ones stay.
    EXPECT_EQ(data.EffectNames[1], QString::fromUtf8("Яд"));
    EXPECT_EQ(data.EffectNames[2], QString::fromUtf8("  Лёгкость"));
    EXPECT_EQ(data.EffectNamesUp[2], QString::fromUtf8("  ЛЁГКОСТЬ"));
    EXPECT_EQ(data.EffectTable[2].TimeScaled, 1);
    EXPECT_EQ(data.EffectTable[2].DescrKind, 1);
    EXPECT_EQ(data.EffectTable[0].DescrKind, 0);
}

TEST(EffectsFile, NameIsCutAtColumn39AndDescriptionAt999) {
    GameData data;
    // A 45-character name runs into the description columns.
    const QByteArray longName(45, 'N');
    const std::string longDescr(1200, 'd');
    const QByteArray file =
        "1 0 0 0 0 0 " + longName + "\r\n" + effectLine("1 0 0 0 0 0", "B", longDescr.c_str());
    ASSERT_FALSE(parseEffects(file, data));
    ASSERT_EQ(data.effectRecordCount(), 2);
    EXPECT_EQ(data.EffectNames[0], QString(38, u'N'));
    EXPECT_EQ(data.EffectTable[0].Descr[0], QString(7, u'N'));
    EXPECT_EQ(data.EffectNames[1], QStringLiteral("B"));
    EXPECT_EQ(data.EffectTable[1].Descr[0], QString(999, u'd'));
}

TEST(EffectsFile, EmptyLinesBetweenRecordsArePassedOverButNotAtTheEnd) {
    GameData data;
    const QByteArray body = effectLine("0 0 0 0 0 0", "") + "\r\n\r\n" + effectLine("1 0 0 0 0 0", "A") +
                            "\r\n" + effectLine("1 0 0 0 0 0", "B");
    ASSERT_FALSE(parseEffects(body, data));
    EXPECT_EQ(data.effectRecordCount(), 3);
    EXPECT_EQ(data.EffectNames.last(), QStringLiteral("B"));

    // An empty line at the very end is one more effect with an empty name.
    ASSERT_FALSE(parseEffects(QByteArray(body + "\r\n"), data));
    ASSERT_EQ(data.effectRecordCount(), 4);
    EXPECT_EQ(data.EffectNames[3], QString());
    EXPECT_EQ(data.EffectTable[3].BaseCost, 0.0);
    EXPECT_EQ(data.EffectTable[3].DescrKind, 0);
}

TEST(EffectsFile, HexAndNarrowFieldsKeepTheLowBits) {
    GameData data;
    ASSERT_FALSE(parseEffects(effectLine("1.0 $101 0x1 -1 $FF 0X0A", "A"), data));
    const TEffectRec &e = data.EffectTable[0];
    EXPECT_EQ(e.PerkBoost, 1);
    EXPECT_EQ(e.TimeScaled, 1);
    EXPECT_EQ(e.Percent, 255);
    EXPECT_EQ(e.Harmful, 255);
    EXPECT_EQ(e.EffClass, 10);
}

TEST(EffectsFile, TruncatedFileReadsZerosWithoutError) {
    GameData data;
    ASSERT_FALSE(parseEffects("0.5 1", data));
    ASSERT_EQ(data.effectRecordCount(), 1);
    EXPECT_EQ(data.EffectTable[0].BaseCost, 0.5);
    EXPECT_EQ(data.EffectTable[0].PerkBoost, 1);
    EXPECT_EQ(data.EffectTable[0].EffClass, 0);
    EXPECT_EQ(data.EffectNames[0], QString());
}

TEST(EffectsFile, InvalidNumberIsAnErrorWithItsLine) {
    GameData data;
    const QByteArray file = effectLine("0 0 0 0 0 0", "") + effectLine("1 0 0 0 0 0", "A") +
                            effectLine("1,5 0 0 0 0 0", "B") + effectLine("1 0 0 0 0 0", "C");
    const std::optional<DataError> error = parseEffects(file, data);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message, QStringLiteral("Неверное числовое значение"));
    EXPECT_EQ(error->line, 3);

    // A number missing from a line is taken from the next line: here a name,
    // which is no number.
    const std::optional<DataError> shifted = parseEffects(cp("1 0 0 0 0\r\nЯд 0 0 0 0 0\r\n"), data);
    ASSERT_TRUE(shifted);
    EXPECT_EQ(shifted->line, 2);
}

} // namespace
} // namespace qor
