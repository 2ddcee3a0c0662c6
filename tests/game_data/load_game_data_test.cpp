// The whole loading sequence from a data folder, its error messages, the
// bundled data set, and the one checked way every file of the program is read.

#include "cp1251_text.h"

#include "brewing_plan/plan_settings_file.h"
#include "brewing_plan/stock_file.h"
#include "common/bad_files.h"
#include "common/file_read.h"
#include "game_data/data_loader.h"
#include "help/help_file.h"
#include "settings/settings_file.h"

#include <QFile>
#include <QFileInfo>

#include <functional>
#include <string>
#include <vector>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::cp;
using test::ScratchDataDir;

void writeValidFolder(const ScratchDataDir &dir) {
    dir.write(QStringLiteral("Cost.txt"), "0\r\n100\r\n500\r\n");
    dir.write(QStringLiteral("Effects.ini"), cp("0 0 0 0 0 0                                      \r\n"
                                                "1.5 1 0 0 0 0 Восстановление сил\r\n"
                                                "2.0 1 1 0 1 0 Яд\r\n"
                                                "0.8 0 0 1 1 6 Слабость к огню\r\n"));
    dir.write(QStringLiteral("Filter.txt"), cp("В\r\nс\r\n"));
    dir.write(QStringLiteral("Items.ini"),
              cp("0 0 0 0  Ничего     / Nihil\r\n0 0 0\r\n0 0 0\r\n0 0 0\r\n0 0 0\r\n"
                 "$10 0.5 4 0  Мята       / Mentha\r\n1 5 0\r\n2 1 10\r\n3 2 1\r\n0 0 0\r\n"));
}

TEST(LoadGameData, FillsEveryTable) {
    ScratchDataDir dir;
    ASSERT_TRUE(dir.isValid());
    writeValidFolder(dir);
    GameData data;
    const std::optional<DataError> error = loadGameData(dir.path(), data);
    ASSERT_FALSE(error) << error->toText().toStdString();
    EXPECT_EQ(data.CostList, (std::vector<std::int32_t>{0, 100, 500}));
    EXPECT_EQ(data.effectRecordCount(), 4);
    EXPECT_EQ(data.itemRecordCount(), 2);
    EXPECT_EQ(data.ItemNames[1], QString::fromUtf8("Мята"));
    EXPECT_EQ(data.ItemNames2[1], QStringLiteral(" Mentha"));
    EXPECT_EQ(data.ItemTable[1].ID, 16);
    EXPECT_EQ(data.FilterList.size(), kFixedFilterCount + 2);
    EXPECT_EQ(data.FilterList[kFixedFilterCount + 1], QString::fromUtf8("с"));
    EXPECT_EQ(data.EffectFilterGroup, (std::vector<std::int32_t>{-1, 0, -1, 1}));
}

TEST(LoadGameData, MissingFileIsNamedInOrder) {
    for (const char *name : {"Cost.txt", "Effects.ini", "Filter.txt", "Items.ini"}) {
        ScratchDataDir dir;
        writeValidFolder(dir);
        dir.remove(QLatin1StringView(name));
        GameData data;
        const std::optional<DataError> error = loadGameData(dir.path(), data);
        ASSERT_TRUE(error) << name;
        EXPECT_EQ(error->message, QStringLiteral("Файл не найден"));
        EXPECT_EQ(QFileInfo(error->file).fileName(), QLatin1StringView(name));
        EXPECT_TRUE(error->toText().contains(QLatin1StringView(name)));
    }
}

TEST(LoadGameData, MissingFolderStopsAtTheFirstFile) {
    GameData data;
    const std::optional<DataError> error = loadGameData(QStringLiteral("/nonexistent/qor/"), data);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->toText(), QStringLiteral("/nonexistent/qor/Cost.txt: Файл не найден"));
}

TEST(LoadGameData, ErrorTextNamesFileLineAndRecord) {
    ScratchDataDir dir;
    writeValidFolder(dir);
    dir.write(QStringLiteral("Items.ini"),
              cp("0 0 0 0  Ничего / Nihil\r\n0 0 0\r\n0 0 0\r\n0 0 0\r\n0 0 0\r\n"
                 "1 0.5 4 0  Мята / Mentha\r\n1 5 0\r\n2 1 1O\r\n3 2 1\r\n0 0 0\r\n"));
    GameData data;
    std::optional<DataError> error = loadGameData(dir.path(), data);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->toText(),
              dir.path() + QStringLiteral("Items.ini, строка 8: Неверное числовое значение"));

    dir.write(QStringLiteral("Items.ini"),
              cp("0 0 0 0  Ничего / Nihil\r\n0 0 0\r\n0 0 0\r\n0 0 0\r\n0 0 0\r\n"
                 "1 0.5 4 0  Мята / Mentha\r\n1 5 0\r\n4 1 1\r\n3 2 1\r\n0 0 0\r\n"));
    error = loadGameData(dir.path(), data);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->toText(),
              dir.path() + QStringLiteral("Items.ini, строка 6, ингредиент 1: эффект 4 в ячейке 2 "
                                          "отсутствует в Effects.ini: там только эффекты 0..3 — файл "
                                          "эффектов пуст или укорочен"));
}

// Every file the program reads, with what it is read by: the message it
// gives, empty when it read the file.
struct Reader {
    const char *file;
    FileKind kind;
    std::function<QString(const QString &dir)> read;
};

std::vector<Reader> everyReader() {
    std::vector<Reader> readers;
    for (const char *name : {"Cost.txt", "Effects.ini", "Filter.txt", "Items.ini"}) {
        readers.push_back({name, FileKind::Data, [](const QString &dir) {
                               GameData data;
                               const auto error = loadGameData(dir, data);
                               return error ? error->toText() : QString();
                           }});
    }
    readers.push_back({"Help.ini", FileKind::Help, [](const QString &dir) {
                           HelpPage page;
                           const auto error = loadHelpFile(dir, page);
                           return error ? error->toText() : QString();
                       }});
    readers.push_back({"Main.ini", FileKind::Settings, [](const QString &dir) {
                           MainSettings s;
                           return ReadSettings(dir + QStringLiteral("Main.ini"), 2, s).message;
                       }});
    readers.push_back({"Stock.ini", FileKind::Stock, [](const QString &dir) {
                           StockCounts counts;
                           return ReadStock(StockFilePath(dir), 2, counts).message;
                       }});
    readers.push_back({"Plan.ini", FileKind::Settings, [](const QString &dir) {
                           PlanWindowSettings settings;
                           return ReadPlanSettings(PlanSettingsFilePath(dir), settings).message;
                       }});
    return readers;
}

TEST(CheckedRead, EveryReaderRefusesWhatIsNoFileOfItsKind) {
    for (const Reader &reader : everyReader()) {
        for (const test::BadFile bad : test::kBadFiles) {
            SCOPED_TRACE(std::string(reader.file) + ": " + test::badFileName(bad));
            ScratchDataDir dir;
            writeValidFolder(dir);
            const QString path = dir.path() + QLatin1StringView(reader.file);
            dir.remove(QLatin1StringView(reader.file));
            ASSERT_TRUE(test::makeBadFile(bad, path, maxFileBytes(reader.kind)));
            const test::AsUnprivileged lesserUser({dir.path()});
            const QString message = reader.read(dir.path());
            EXPECT_TRUE(message.startsWith(path + QStringLiteral(": "))) << message.toStdString();
            EXPECT_TRUE(message.contains(test::badFileReason(bad))) << message.toStdString();
        }
    }
}

TEST(CheckedRead, AFolderThatMayNotBeSearchedIsNotAMissingFile) {
    for (const Reader &reader : everyReader()) {
        SCOPED_TRACE(reader.file);
        ScratchDataDir dir;
        writeValidFolder(dir);
        dir.write(QStringLiteral("Help.ini"), cp("Тема\r\nТекст\r\n//***\r\n"));
        dir.write(QStringLiteral("Stock.ini"), "QOR-STOCK 1\r\n1 5\r\n");
        dir.write(QStringLiteral("Plan.ini"), "QOR-PLAN 1\r\ntime 5\r\n");
        // Main.ini as written by the program reads back without a message.
        ASSERT_TRUE(WriteSettings(dir.path() + QStringLiteral("Main.ini"), defaultSettings(2)).ok());
        EXPECT_EQ(reader.read(dir.path()), QString());
        ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0600), 0);
        {
            const test::AsUnprivileged lesserUser({});
            // The data files name the first of them, which the reading stops at.
            const QString message = reader.read(dir.path());
            EXPECT_TRUE(message.startsWith(dir.path())) << message.toStdString();
            EXPECT_TRUE(message.contains(QStringLiteral("нет права на просмотр папки")))
                << message.toStdString();
        }
        ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
    }
}

TEST(CheckedRead, ReadsAFileUpToItsCapWhole) {
    ScratchDataDir dir;
    QByteArray bytes(qsizetype(maxFileBytes(FileKind::Stock)), 'x');
    bytes[7] = '\0';
    dir.write(QStringLiteral("full"), bytes);
    QByteArray back;
    const FileRead read = readCheckedFile(dir.path() + QStringLiteral("full"), FileKind::Stock, back);
    EXPECT_TRUE(read.ok()) << read.reason.toStdString();
    EXPECT_EQ(back, bytes);
    const FileRead missing = readCheckedFile(dir.path() + QStringLiteral("none"), FileKind::Stock, back);
    EXPECT_EQ(missing.fault, FileFault::Missing);
    EXPECT_TRUE(back.isEmpty());
}

TEST(LoadGameData, FolderWithoutEffectsOrIngredientsIsAnError) {
    ScratchDataDir dir;
    writeValidFolder(dir);
    for (const QByteArray &effects : {QByteArray(), QByteArray("0 0 0 0 0 0\r\n")}) {
        dir.write(QStringLiteral("Effects.ini"), effects);
        GameData data;
        const std::optional<DataError> error = loadGameData(dir.path(), data);
        ASSERT_TRUE(error);
        EXPECT_EQ(QFileInfo(error->file).fileName(), QStringLiteral("Effects.ini"));
        EXPECT_TRUE(error->message.contains(QStringLiteral("ни одного эффекта")))
            << error->message.toStdString();
    }
    writeValidFolder(dir);
    for (const QByteArray &items :
         {QByteArray(), cp("0 0 0 0  Ничего / Nihil\r\n0 0 0\r\n0 0 0\r\n0 0 0\r\n0 0 0\r\n")}) {
        dir.write(QStringLiteral("Items.ini"), items);
        GameData data;
        const std::optional<DataError> error = loadGameData(dir.path(), data);
        ASSERT_TRUE(error);
        EXPECT_EQ(QFileInfo(error->file).fileName(), QStringLiteral("Items.ini"));
        EXPECT_TRUE(error->message.contains(QStringLiteral("ни одного ингредиента")))
            << error->message.toStdString();
    }
}

TEST(LoadGameData, FilesSavedAsUtf8AreRefusedWithTheRemedy) {
    const QByteArray bom("\xEF\xBB\xBF");
    for (const char *name : {"Cost.txt", "Effects.ini", "Filter.txt", "Items.ini"}) {
        ScratchDataDir dir;
        writeValidFolder(dir);
        QFile original(dir.path() + QLatin1StringView(name));
        ASSERT_TRUE(original.open(QIODevice::ReadOnly));
        const QByteArray cp1251 = original.readAll();
        original.close();
        const QByteArray utf8 = fromCp1251(cp1251).toUtf8();
        for (const QByteArray &bytes : {QByteArray(bom + cp1251), utf8, QByteArray(bom + utf8)}) {
            if (bytes == cp1251)
                continue; // a file of plain ASCII is both
            dir.write(QLatin1StringView(name), bytes);
            GameData data;
            const std::optional<DataError> error = loadGameData(dir.path(), data);
            ASSERT_TRUE(error) << name;
            EXPECT_TRUE(error->toText().contains(QLatin1StringView(name)));
            EXPECT_TRUE(error->message.contains(QStringLiteral("Windows-1251")))
                << error->message.toStdString();
        }
    }
}

TEST(LoadGameData, Cp1251TextIsNotMistakenForUtf8) {
    // Every Cyrillic letter of the code page, which as UTF-8 would be broken.
    QByteArray letters;
    for (int b = 0xC0; b <= 0xFF; ++b)
        letters.append(char(b));
    EXPECT_FALSE(checkCp1251Encoding(letters));
    EXPECT_FALSE(checkCp1251Encoding(cp("Восстановление сил / Яд\r\n")));
    EXPECT_FALSE(checkCp1251Encoding("plain ASCII\r\n"));
    EXPECT_TRUE(checkCp1251Encoding(QString::fromUtf8("Яд").toUtf8()));
}

TEST(LoadGameData, BundledDataSetLoads) {
    const QString dir = QStringLiteral(QOR_SOURCE_DATA_DIR);
    if (!QFileInfo::exists(dir + QStringLiteral("Items.ini")))
        GTEST_SKIP() << "no bundled data set in " << dir.toStdString();
    GameData data;
    const std::optional<DataError> error = loadGameData(dir, data);
    ASSERT_FALSE(error) << error->toText().toStdString();
    EXPECT_GE(data.highestEffect(), 50);
    EXPECT_GE(data.highestItem(), 120);
    EXPECT_FALSE(data.CostList.empty());
    EXPECT_GT(data.FilterList.size(), kFixedFilterCount);
    // Every real ingredient carries four real effects.
    for (int i = 1; i <= data.highestItem(); ++i) {
        for (const TItemEffect &slot : data.ItemTable[std::size_t(i)].Eff)
            EXPECT_GT(slot.Effect, 0) << "ingredient " << i;
    }
}

} // namespace
} // namespace qor
