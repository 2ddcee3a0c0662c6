// Known.ini: what is written reads back to the same knowledge and the same
// bytes; a damaged file names its line, and reading it changes nothing.

#include "discovery/known_effects.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace qor;

namespace {

QByteArray readAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(KnownFile, SurvivesARestartByteForByte) {
    QTemporaryDir dir;
    const QString path = KnownFilePath(dir.path());
    KnownEffects known = KnownEffects::empty(6);
    known.learn(1, 0b1111);
    known.setKnown(3, 2, true);
    known.setKnown(5, 0, true);
    known.setKnown(5, 3, true);
    known.showOnlyKnown = true;
    ASSERT_TRUE(WriteKnown(path, known).ok());
    const QByteArray bytes = readAll(path);
    EXPECT_EQ(bytes, QByteArray("QOR-KNOWN 1\r\nshow-only-known 1\r\n1 1234\r\n3 3\r\n5 14\r\n"));

    KnownEffects back;
    ASSERT_TRUE(ReadKnown(path, 6, back).ok());
    EXPECT_EQ(back, known);
    ASSERT_TRUE(WriteKnown(path, back).ok());
    EXPECT_EQ(readAll(path), bytes);

    KnownEffects missing;
    EXPECT_EQ(ReadKnown(dir.filePath(QStringLiteral("none.ini")), 6, missing).status,
              KnownResult::Status::Missing);
    EXPECT_EQ(missing, KnownEffects::empty(6));
}

TEST(KnownFile, ADamagedFileNamesItsLineStartsEmptyAndIsLeftAsItWas) {
    const struct {
        const char *text;
        int line;
    } cases[] = {
        {"", 0},
        {"\xEF\xBB\xBFQOR-KNOWN 1\n", 1},
        {"QOR-STOCK 1\n", 1},
        {"QOR-KNOWN 1\n1 12\n\n2 21\n", 4},      // slots out of order
        {"QOR-KNOWN 1\n1 5\n", 2},               // no slot 5
        {"QOR-KNOWN 1\n1 11\n", 2},              // a slot twice
        {"QOR-KNOWN 1\n6 1\n", 2},               // no ingredient 6
        {"QOR-KNOWN 1\n0 1\n", 2},               // nor 0
        {"QOR-KNOWN 1\n2 1\r\n2 3\r\n", 3},      // an ingredient twice
        {"QOR-KNOWN 1\n2 1 4\n", 2},             // a third field
        {"QOR-KNOWN 1\n-2 1\n", 2},              // a sign
        {"QOR-KNOWN 1\n2\n", 2},                 // no slots
        {"QOR-KNOWN 1\nshow-only-known 2\n", 2}, // not a switch
        {"QOR-KNOWN 1\nshow-only-known 1\rshow-only-known 0\r", 3},
    };
    QTemporaryDir dir;
    const QString path = KnownFilePath(dir.path());
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.text);
        f.close();
        KnownEffects known = KnownEffects::empty(6);
        known.learn(1, 1);
        const KnownResult r = ReadKnown(path, 6, known);
        EXPECT_EQ(r.status, KnownResult::Status::Error);
        EXPECT_EQ(r.line, c.line);
        EXPECT_TRUE(r.message.contains(QStringLiteral("Файл изученных эффектов повреждён")))
            << r.message.toStdString();
        EXPECT_EQ(known, KnownEffects::empty(6));
        EXPECT_EQ(readAll(path), QByteArray(c.text));
    }
    // Blank lines, LF or CR alone, and blanks around fields are fine.
    KnownEffects known;
    ASSERT_TRUE(ParseKnown("QOR-KNOWN 1\n\n  2\t24 \r5 1\n", 6, known).ok());
    EXPECT_EQ(known.slots, (std::vector<std::uint8_t>{0, 0, 0b1010, 0, 0, 1}));
    EXPECT_FALSE(known.showOnlyKnown);
}

TEST(KnownFile, MarkAllKnowsEveryFilledSlotAndClearForgetsThem) {
    GameData data;
    data.EffectTable.resize(3);
    data.ItemTable.resize(3);
    data.ItemTable[1].Eff[0].Effect = 1;
    data.ItemTable[1].Eff[2].Effect = 2;
    data.ItemTable[2].Eff[1].Effect = 7; // outside the table: no effect
    KnownEffects known = KnownEffects::empty(data.itemRecordCount());
    markAllKnown(data, known);
    EXPECT_EQ(known.slots, (std::vector<std::uint8_t>{0, 0b101, 0}));
    clearKnown(known);
    EXPECT_EQ(known.slots, (std::vector<std::uint8_t>{0, 0, 0}));
}
