#include "input/find_key_letters.h"

namespace qor {

namespace {

// The keys by their place on a US keyboard and the letters on the same
// places of the ЙЦУКЕН layout, position for position.
constexpr char16_t kKeys[] = u"QWERTYUIOP[]ASDFGHJKL;'ZXCVBNM,. 0123456789";
constexpr char16_t kLetters[] = u"ЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭЯЧСМИТЬБЮ 0123456789";
static_assert(sizeof(kKeys) / sizeof(kKeys[0]) == kFindKeyCount + 1);
static_assert(sizeof(kLetters) / sizeof(kLetters[0]) == kFindKeyCount + 1);

int positionIn(const char16_t *table, char16_t c) {
    for (int i = 0; i < kFindKeyCount; ++i) {
        if (table[i] == c)
            return i;
    }
    return -1;
}

bool isCyrillicLetter(int code) {
    return (code >= 0x0410 && code <= 0x044F) || code == 0x0401 || code == 0x0451;
}

// XKB keycodes of the keys of kKeys, place for place.
constexpr std::uint8_t kXkbKeycodes[kFindKeyCount] = {
    24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, // Q W E R T Y U I O P [ ]
    38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48,     // A S D F G H J K L ; '
    52, 53, 54, 55, 56, 57, 58, 59, 60,             // Z X C V B N M , .
    65,                                             // space
    19, 10, 11, 12, 13, 14, 15, 16, 17, 18,         // 0 1 .. 9
};

} // namespace

int usKeyOfXkbKeycode(std::uint32_t keycode) {
    for (int i = 0; i < kFindKeyCount; ++i) {
        if (kXkbKeycodes[i] == keycode)
            return kKeys[i];
    }
    return 0;
}

int findKeyOfEvent(int qtKey, std::uint32_t xkbKeycode) {
    if (xkbKeycode == 0)
        return qtKey;
    const int place = usKeyOfXkbKeycode(xkbKeycode);
    if (place != 0)
        return place;
    // A key of the letter and digit rows outside the table (the key right of
    // "." with the Russian layout) must not pass for the key it imitates.
    return findKeyPosition(qtKey) >= 0 && qtKey != ' ' ? 0 : qtKey;
}

int findKeyPosition(int qtKey) {
    if (qtKey >= 0x20 && qtKey < 0x7F) {
        const int latin = qtKey >= 'a' && qtKey <= 'z' ? qtKey - 'a' + 'A' : qtKey;
        return positionIn(kKeys, char16_t(latin));
    }
    if (isCyrillicLetter(qtKey))
        return positionIn(kLetters, QChar(char16_t(qtKey)).toUpper().unicode());
    return -1;
}

QChar findCharOfKey(int qtKey, bool ownCode) {
    const int position = findKeyPosition(qtKey);
    if (!ownCode)
        return position >= 0 ? QChar(kLetters[position]) : QChar();
    if (position >= 0)
        return QChar(kKeys[position]);
    if (qtKey > 0x20 && qtKey < 0x7F)
        return QChar(char16_t(qtKey)).toUpper();
    return QChar();
}

} // namespace qor
