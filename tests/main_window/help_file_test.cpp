// Reading Help.ini: titles and bodies in pairs, the "//***" separator rules,
// code page 1251, and files that are broken, empty or missing.

#include "help/help_file.h"

#include "game_data/cp1251_text.h"

#include <gtest/gtest.h>

#include <QSet>

namespace qor {
namespace {

using test::cp;

TEST(HelpFile, WellFormedFileKeepsLineStructureAndTrimsTrailingBlanks) {
    const HelpPage page = parseHelpFile(cp("О программе\r\n"
                                           "Первая строка  \r\n"
                                           "\r\n"
                                           "  Отступ\r\n"
                                           "//***\t \r\n"
                                           "Клавиатура\n"
                                           "F5 — поиск\r"
                                           "//***\r\n"
                                           "//***\r\n"));
    EXPECT_TRUE(page.wellFormed);
    ASSERT_EQ(page.Titles, QStringList({QStringLiteral("О программе"), QStringLiteral("Клавиатура")}));
    ASSERT_EQ(page.HelpTopics.size(), 2);
    // Leading blanks stay, the empty line stays, every line ends in CR LF.
    EXPECT_EQ(page.body(0), QStringLiteral("Первая строка\r\n\r\n  Отступ\r\n"));
    EXPECT_EQ(page.body(1), QStringLiteral("F5 — поиск\r\n"));
    EXPECT_EQ(page.body(2), QString());
    EXPECT_EQ(page.body(-1), QString());
}

TEST(HelpFile, LeadingBlanksMakeASeparatorAnOrdinaryLine) {
    const HelpPage page = parseHelpFile(cp("Тема\r\n  //***\r\n//***\r\n"));
    ASSERT_EQ(page.topicCount(), 1);
    EXPECT_EQ(page.body(0), QStringLiteral("  //***\r\n"));
}

TEST(HelpFile, BodyOfOneEmptyLineIsCrLf) {
    const HelpPage page = parseHelpFile(cp("А\r\n\r\n//***\r\nБ\r\nтекст\r\n//***\r\n"));
    EXPECT_TRUE(page.wellFormed);
    ASSERT_EQ(page.topicCount(), 2);
    EXPECT_EQ(page.body(0), QStringLiteral("\r\n"));
    EXPECT_EQ(page.body(1), QStringLiteral("текст\r\n"));
}

TEST(HelpFile, MalformedFileKeepsEveryTitleWithItsOwnBody) {
    // "Пустая" has no body line; "Последняя" is not closed.
    const HelpPage page = parseHelpFile(cp("Первая\r\nтекст 1\r\n//***\r\n"
                                           "Пустая\r\n//***\r\n"
                                           "Третья\r\nтекст 3\r\n//***\r\n"
                                           "Последняя\r\nтекст 4"));
    EXPECT_FALSE(page.wellFormed);
    ASSERT_EQ(page.Titles, QStringList({QStringLiteral("Первая"), QStringLiteral("Пустая"),
                                        QStringLiteral("Третья"), QStringLiteral("Последняя")}));
    ASSERT_EQ(page.HelpTopics.size(), page.Titles.size());
    EXPECT_EQ(page.body(0), QStringLiteral("текст 1\r\n"));
    EXPECT_EQ(page.body(1), QString());
    EXPECT_EQ(page.body(2), QStringLiteral("текст 3\r\n"));
    EXPECT_EQ(page.body(3), QStringLiteral("текст 4\r\n"));
}

TEST(HelpFile, TitleAtTheEndWithoutBodyGetsAnEmptyOne) {
    const HelpPage page = parseHelpFile(cp("А\r\nтекст\r\n//***\r\nБ\r\n"));
    EXPECT_FALSE(page.wellFormed);
    ASSERT_EQ(page.topicCount(), 2);
    EXPECT_EQ(page.HelpTopics.size(), 2);
    EXPECT_EQ(page.body(1), QString());
}

TEST(HelpFile, EmptyFileHasNoTopics) {
    const HelpPage page = parseHelpFile(QByteArrayView());
    EXPECT_EQ(page.topicCount(), 0);
    EXPECT_TRUE(page.HelpTopics.isEmpty());
}

TEST(HelpFile, AnAbsurdlyLongLineIsShownInPieces) {
    // One megabyte without a blank, then words: no piece is longer than a
    // text area lays out at once, a piece with blanks breaks after one, and
    // nothing is lost.
    QByteArray line(1 << 20, 'x');
    for (int k = 0; k < 3000; ++k)
        line += " word";
    const QByteArray bytes = QByteArray("Title\r\n") + line + "\r\n//***\r\n";
    const HelpPage page = parseHelpFile(bytes);
    ASSERT_EQ(page.topicCount(), 1);
    const QStringList pieces = page.body(0).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    EXPECT_GT(pieces.size(), 500);
    qsizetype total = 0;
    for (const QString &piece : pieces) {
        EXPECT_LE(piece.size(), 2000);
        total += piece.size();
    }
    EXPECT_EQ(total, line.size());
    EXPECT_TRUE(pieces.back().endsWith(QStringLiteral("word")));
    EXPECT_TRUE(pieces[pieces.size() - 2].endsWith(QLatin1Char(' ')));
}

TEST(HelpFile, MissingFileIsAnErrorNamingTheFile) {
    test::ScratchDataDir dir;
    ASSERT_TRUE(dir.isValid());
    HelpPage page;
    page.Titles = QStringList{QStringLiteral("старое")};
    const auto error = loadHelpFile(dir.path(), page);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->message, QStringLiteral("Файл не найден"));
    EXPECT_TRUE(error->toText().contains(QStringLiteral("Help.ini")));
    EXPECT_EQ(page.topicCount(), 0);

    dir.write(QStringLiteral("Help.ini"), cp("Тема\r\nТекст\r\n//***\r\n"));
    ASSERT_FALSE(loadHelpFile(dir.path(), page).has_value());
    EXPECT_EQ(page.Titles, QStringList{QStringLiteral("Тема")});
}

TEST(HelpFile, BundledHelpListsEveryTopicWithItsOwnText) {
    HelpPage page;
    ASSERT_FALSE(loadHelpFile(QStringLiteral(QOR_SOURCE_DATA_DIR), page).has_value());
    EXPECT_TRUE(page.wellFormed);
    EXPECT_GE(page.topicCount(), 10);
    ASSERT_EQ(page.HelpTopics.size(), page.Titles.size());
    QSet<QString> titles, bodies;
    for (int i = 0; i < page.topicCount(); ++i) {
        SCOPED_TRACE(page.Titles[i].toStdString());
        EXPECT_FALSE(page.Titles[i].trimmed().isEmpty());
        EXPECT_GT(page.body(i).trimmed().size(), 100);
        titles.insert(page.Titles[i]);
        bodies.insert(page.body(i));
    }
    EXPECT_EQ(titles.size(), page.topicCount());
    EXPECT_EQ(bodies.size(), page.topicCount());
    // The topics a player looks for first.
    for (const char *title : {"Клавиатура", "Быстрый поиск", "Избранное", "Справочная таблица"})
        EXPECT_TRUE(titles.contains(QString::fromUtf8(title))) << title;
}

} // namespace
} // namespace qor
