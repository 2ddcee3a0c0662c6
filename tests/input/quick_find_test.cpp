// Quick find: the key-to-letter table, the shared buffer with its time-out,
// and the refine / repeated-letter / wrap rules over a chooser's entries.

#include "input/quick_find.h"

#include "input/find_key_letters.h"

#include "game_data/cp1251_text.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

// Qt key codes of the keys used here (Qt::Key_* without QtGui).
constexpr int kKeyQ = 'Q', kKeyW = 'W', kKeyF = 'F', kKeyD = 'D', kKeyEnter = 0x01000005;
constexpr int kKeyF1 = 0x01000030;

TEST(FindKeyLetters, LatinAndCyrillicKeysOfOnePlaceGiveOneLetter) {
    const QString latin = QStringLiteral("QWERTYUIOP[]ASDFGHJKL;'ZXCVBNM,. 0123456789");
    const QString letters = QStringLiteral("ЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭЯЧСМИТЬБЮ 0123456789");
    ASSERT_EQ(latin.size(), kFindKeyCount);
    for (int i = 0; i < kFindKeyCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(findCharOfKey(latin[i].unicode()), letters[i]);
        // The Cyrillic layout reports the letter itself, capital or small.
        EXPECT_EQ(findCharOfKey(letters[i].unicode()), letters[i]);
        EXPECT_EQ(findCharOfKey(letters[i].toLower().unicode()), letters[i]);
        EXPECT_EQ(findKeyPosition(letters[i].unicode()), i);
    }
}

TEST(FindKeyLetters, KeysOutsideTheTableAddNothing) {
    for (int key : {kKeyEnter, kKeyF1, int('-'), int('/'), int(u'Ё'), 0})
        EXPECT_TRUE(findCharOfKey(key).isNull()) << key;
}

TEST(FindKeyLetters, GridSecondNameColumnTakesTheKeysOwnCharacter) {
    EXPECT_EQ(findCharOfKey('Q', true), QChar(u'Q'));
    // The key of Q with the Cyrillic layout active still adds Q.
    EXPECT_EQ(findCharOfKey(u'Й', true), QChar(u'Q'));
    EXPECT_EQ(findCharOfKey(u'х', true), QChar(u'['));
    EXPECT_EQ(findCharOfKey('7', true), QChar(u'7'));
    EXPECT_EQ(findCharOfKey(' ', true), QChar(u' '));
    EXPECT_EQ(findCharOfKey('-', true), QChar(u'-'));
    EXPECT_TRUE(findCharOfKey(kKeyF1, true).isNull());
}

// Key events as recorded under X11: the Qt key code and the XKB keycode.
TEST(FindKeyLetters, PhysicalPlaceWinsWhereThePlatformReportsIt) {
    EXPECT_EQ(findKeyOfEvent('Q', 24), int('Q'));
    EXPECT_EQ(findKeyOfEvent(u'Й', 24), int('Q')); // Russian layout
    EXPECT_EQ(findKeyOfEvent(u'Ю', 60), int('.'));
    EXPECT_EQ(findCharOfKey(findKeyOfEvent(u'Ю', 60)), QChar(u'Ю'));
    // The key right of "." types "." with the Russian layout: no letter.
    EXPECT_EQ(findKeyOfEvent('.', 61), 0);
    // Shift+3 reports "#"; the place still is the digit key 3.
    EXPECT_EQ(findKeyOfEvent('#', 12), int('3'));
    EXPECT_EQ(findKeyOfEvent(' ', 65), int(' '));
    // Keys outside the table keep their code; without a keycode the Qt key counts.
    EXPECT_EQ(findKeyOfEvent(kKeyF1, 67), kKeyF1);
    EXPECT_EQ(findKeyOfEvent('-', 20), int('-'));
    EXPECT_EQ(findKeyOfEvent(u'Й', 0), int(u'Й'));
    for (std::uint32_t code = 0; code < 256; ++code) {
        const int key = usKeyOfXkbKeycode(code);
        EXPECT_TRUE(key == 0 || findKeyPosition(key) >= 0) << code;
    }
}

// An ingredient chooser: entry 0 is the placeholder.
class QuickFindChooser : public ::testing::Test {
  protected:
    const QStringList names{
        QStringLiteral("<НЕТ>"),  QStringLiteral("АЛОЭ"),           QStringLiteral("АРНИКА"),
        QStringLiteral("БЕЛЕНА"), QStringLiteral("ЙЦУКА"),          QStringLiteral("АНИС"),
        QStringLiteral("ЙОД"),    QStringLiteral("ВЕРБЕНА ЛЕСНАЯ"), QStringLiteral("ВЕРБЕНА ПОЛЕВАЯ")};
    const FindTexts texts{names};
    FindBuffer buffer;
    QuickFindOptions options{1000, false, false};
    std::int64_t now = 10000;
    int current = 3;

    // Types a key 100 ms after the previous one; the found entry becomes current.
    int type(int key, KeyModifiers modifiers = {}) {
        now += 100;
        const int found = quickFind(buffer, key, modifiers, now, options, texts, 1, current);
        if (found >= 0)
            current = found;
        return found;
    }
};

TEST_F(QuickFindChooser, QThenWLooksForJC) {
    EXPECT_EQ(type(kKeyQ), 4); // Й: ЙЦУКА before ЙОД
    EXPECT_EQ(type(kKeyW), 4);
    EXPECT_EQ(buffer.text, QStringLiteral("ЙЦ"));
}

TEST_F(QuickFindChooser, CyrillicLayoutFindsWhatItsLatinKeyFinds) {
    const int viaLatin = type(kKeyD); // В
    FindBuffer latinBuffer = buffer;
    buffer = FindBuffer();
    current = 3;
    now += 5000;
    EXPECT_EQ(type(u'В'), viaLatin);
    EXPECT_EQ(buffer.text, latinBuffer.text);
    EXPECT_EQ(viaLatin, 7);
}

TEST_F(QuickFindChooser, FurtherLettersRefineAndABlankJoinsWords) {
    for (int key : {kKeyD, int('T'), int('H'), int(','), int('T'), int('Y'), int('F'), int(' '), int('G')})
        type(key);
    EXPECT_EQ(buffer.text, QStringLiteral("ВЕРБЕНА П"));
    EXPECT_EQ(current, 8);
}

TEST_F(QuickFindChooser, RepeatedLetterStepsAndWrapsWithoutStartWithCurrent) {
    // First А from the first entry, then every further А steps on.
    EXPECT_EQ(type(kKeyF), 1);
    EXPECT_EQ(type(kKeyF), 2);
    EXPECT_EQ(type(kKeyF), 5);
    EXPECT_EQ(type(kKeyF), 1); // wraps to the first entry with А
    EXPECT_EQ(buffer.text, QStringLiteral("А"));
}

TEST_F(QuickFindChooser, StartWithCurrentStepsFromTheCurrentEntryAfterEachPause) {
    options.startWithCurrent = true;
    current = 2;
    std::vector<int> seen;
    for (int i = 0; i < 4; ++i) {
        now += 5000; // every key starts a new search
        seen.push_back(type(kKeyF));
    }
    EXPECT_EQ(seen, (std::vector<int>{5, 1, 2, 5}));
}

TEST_F(QuickFindChooser, FurtherLettersWrapRoundToAMatchAboveTheCurrentEntry) {
    options.startWithCurrent = true;
    EXPECT_EQ(type(kKeyF), 5);    // А after БЕЛЕНА: АНИС
    EXPECT_EQ(type(int('H')), 2); // АР stands above it: АРНИКА
    EXPECT_EQ(buffer.text, QStringLiteral("АР"));
}

TEST_F(QuickFindChooser, WithoutStartWithCurrentANewSearchBeginsAtTheFirstEntry) {
    current = 2;
    now += 5000;
    EXPECT_EQ(type(kKeyF), 1);
    now += 5000;
    EXPECT_EQ(type(kKeyF), 1);
}

TEST_F(QuickFindChooser, PauseLongerThanTheTimeOutStartsANewSearch) {
    EXPECT_EQ(type(kKeyQ), 4);
    now += options.timeoutMs - 100; // type() adds 100: exactly the time-out, still one search
    EXPECT_EQ(type(kKeyW), 4);
    EXPECT_EQ(buffer.text, QStringLiteral("ЙЦ"));
    now += options.timeoutMs - 99;
    EXPECT_EQ(type(kKeyD), 7);
    EXPECT_EQ(buffer.text, QStringLiteral("В"));
}

TEST_F(QuickFindChooser, KeysWithModifiersNeverTakePart) {
    type(kKeyQ);
    const FindBuffer before = buffer;
    for (KeyModifiers m : {KeyModifiers{true, false, false}, KeyModifiers{false, true, false},
                           KeyModifiers{false, false, true}, KeyModifiers{true, true, true}}) {
        EXPECT_EQ(type(kKeyW, m), -1);
        EXPECT_EQ(buffer.text, before.text);
        EXPECT_EQ(buffer.lastKeyTime, before.lastKeyTime);
    }
}

TEST_F(QuickFindChooser, MissKeepsTheSelectionAndEmptiesTheBuffer) {
    EXPECT_EQ(type('Z'), -1); // Я: no entry
    EXPECT_EQ(current, 3);
    EXPECT_TRUE(buffer.text.isEmpty());
    // A mistyped second letter starts over with it.
    EXPECT_EQ(type(kKeyF), 1);
    EXPECT_EQ(type(kKeyQ), 4);
    EXPECT_EQ(buffer.text, QStringLiteral("Й"));
}

TEST_F(QuickFindChooser, BlankAloneFindsNothingSoSpaceCanToggle) {
    EXPECT_EQ(type(' '), -1);
    EXPECT_TRUE(buffer.text.isEmpty());
}

TEST(QuickFindGrid, SecondNameColumnSearchesLatinText) {
    const QStringList rows{QStringLiteral("ВТОРОЕ НАЗВАНИЕ"), QStringLiteral("ALOE VERA"),
                           QStringLiteral("QUERCUS")};
    FindBuffer buffer;
    const QuickFindOptions options{1000, false, true};
    EXPECT_EQ(quickFind(buffer, u'Й', {}, 100, options, FindTexts(rows), 1, 1), 2);
    EXPECT_EQ(buffer.text, QStringLiteral("Q"));
}

} // namespace
} // namespace qor
