#pragma once
// Quick find: typing the first letters of an entry in a list or chooser jumps
// to it. One FindBuffer is shared by all lists; the window passes in the
// tick counter's time so that tests control the pause between keys.

#include "input/find_in_data.h"

#include <QString>

#include <cstdint>

namespace qor {

struct FindBuffer {
    QString text;                 // upper-case letters, digits and blanks
    std::int64_t lastKeyTime = 0; // tick time of the last accepted key, ms
};

// Shift, Ctrl and Alt as the key handling tells them apart.
struct KeyModifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;

    bool none() const { return !shift && !ctrl && !alt; }
    bool ctrlOnly() const { return ctrl && !shift && !alt; }
    bool shiftOnly() const { return shift && !ctrl && !alt; }
};

struct QuickFindOptions {
    int timeoutMs = 1000;          // FastFindTimeout
    bool startWithCurrent = false; // MenuFastFindStartWithCurElement
    // The reference grid searching its column 29 (the Latin second names):
    // keys add their own character instead of the Cyrillic letter.
    bool keyOwnCode = false;
};

// Takes a key into the buffer: only without Shift, Ctrl and Alt and only a
// key that adds a character (see findCharOfKey). After a pause longer than
// the time-out the buffer starts afresh. False when the key is not taken.
bool acceptFindKey(FindBuffer &buffer, int qtKey, KeyModifiers modifiers, std::int64_t nowMs,
                   const QuickFindOptions &options);

// Searches a list for the buffer forward from the current entry: a single
// letter starts after the current entry (startWithCurrent) or at firstIndex,
// a longer text refines the current match. A miss wraps round to firstIndex
// first, so an entry that begins with the text is found wherever it stands;
// only without one does a repeated letter step to the next entry with it
// and another text restart with its last letter (wrapping as well); when all
// fails the buffer is emptied. Returns the found index or -1.
int quickFindSearch(FindBuffer &buffer, const FindTexts &texts, int firstIndex, int currentIndex,
                    bool startWithCurrent);

// One key for one list: acceptFindKey, then quickFindSearch. The found index
// (the key is swallowed and the entry selected) or -1 (the key goes on to
// the rest of the key handling).
int quickFind(FindBuffer &buffer, int qtKey, KeyModifiers modifiers, std::int64_t nowMs,
              const QuickFindOptions &options, const FindTexts &texts, int firstIndex, int currentIndex);

} // namespace qor
