#include "input/quick_find.h"

#include "input/find_key_letters.h"

namespace qor {

bool acceptFindKey(FindBuffer &buffer, int qtKey, KeyModifiers modifiers, std::int64_t nowMs,
                   const QuickFindOptions &options) {
    if (!modifiers.none())
        return false;
    const QChar c = findCharOfKey(qtKey, options.keyOwnCode);
    if (c.isNull())
        return false;
    if (nowMs - buffer.lastKeyTime > options.timeoutMs)
        buffer.text.clear();
    buffer.text.append(c);
    buffer.lastKeyTime = nowMs;
    return true;
}

int quickFindSearch(FindBuffer &buffer, const FindTexts &texts, int firstIndex, int currentIndex,
                    bool startWithCurrent) {
    if (buffer.text.isEmpty())
        return -1;
    constexpr auto forward = FindDirection::Forward;
    int start = currentIndex;
    if (buffer.text.size() == 1)
        start = startWithCurrent ? currentIndex + 1 : firstIndex;
    int found = FindInData(buffer.text, texts, forward, firstIndex, start);
    if (found >= 0)
        return found;

    if (buffer.text.size() > 1) {
        // An entry above the current one may begin with the letters typed:
        // the search wraps round before it gives them up.
        found = FindInData(buffer.text, texts, forward, firstIndex, firstIndex);
        if (found >= 0)
            return found;
        // One letter pressed again and again steps through the entries with
        // it; any other miss starts over with the last letter typed.
        const QChar keep = buffer.text[0] == buffer.text[1] ? buffer.text[0] : buffer.text.back();
        buffer.text = QString(keep);
        found = FindInData(buffer.text, texts, forward, firstIndex, start + 1);
        if (found < 0)
            found = FindInData(buffer.text, texts, forward, firstIndex, firstIndex);
    } else if (start > firstIndex) {
        found = FindInData(buffer.text, texts, forward, firstIndex, firstIndex);
    }
    if (found < 0)
        buffer.text.clear();
    return found;
}

int quickFind(FindBuffer &buffer, int qtKey, KeyModifiers modifiers, std::int64_t nowMs,
              const QuickFindOptions &options, const FindTexts &texts, int firstIndex, int currentIndex) {
    if (!acceptFindKey(buffer, qtKey, modifiers, nowMs, options))
        return -1;
    return quickFindSearch(buffer, texts, firstIndex, currentIndex, options.startWithCurrent);
}

} // namespace qor
