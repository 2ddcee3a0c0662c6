#include "main_window/find_key_letters.h"

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

} // namespace

int findKeyPosition(int qtKey) {
    if (qtKey >= 0x20 && qtKey < 0x7F) {
        const int latin = qtKey >= 'a' && qtKey <= 'z' ? qtKey - 'a' + 'A' : qtKey;
        return positionIn(kKeys, char16_t(latin));
    }
    if (isCyrillicLetter(qtKey))
        return positionIn(kLetters, QChar(char16_t(qtKey)).toUpper().unicode());
    return -1;
}

QChar FindCharOfKey(int qtKey, bool ownCode) {
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
