#pragma once
// The key-to-letter table of quick find: a key adds the Cyrillic capital
// letter that the Russian ЙЦУКЕН layout has on the same physical key, so
// typing finds the same entries whichever layout is active.
//
// Keys come in as Qt key codes (QKeyEvent::key()) so that this file needs no
// QtGui: with a Latin layout a letter key reports its Latin capital (Qt::Key_Q
// == 'Q'), the six punctuation keys [ ] ; ' , . their ASCII code; with the
// Cyrillic layout the same key reports the Cyrillic capital itself.

#include <QChar>

#include <cstdint>

namespace qor {

// Number of keys in the table: 33 letter keys, the space bar, ten digits.
inline constexpr int kFindKeyCount = 43;

// Place 0..42 of a key in the table, -1 for a key outside it. Latin letters,
// the punctuation keys, the space bar and the digits 0..9 are found by their
// own code; a Cyrillic letter (capital or small) by the letter it stands for.
int findKeyPosition(int qtKey);

// The character a key adds to the find buffer; a null QChar for none.
// With ownCode set (the reference grid searching its Latin second-name
// column) the key adds its own character instead: the Latin capital of its
// place (also when the Cyrillic layout is active), a digit, a blank, or the
// character of another printable ASCII key.
QChar findCharOfKey(int qtKey, bool ownCode = false);

// The physical place of a key on X11 and Wayland: the Qt key code of the US
// key at the place of an XKB keycode (QKeyEvent::nativeScanCode() there, the
// evdev code + 8), for the 43 keys of the table; 0 for any other keycode.
int usKeyOfXkbKeycode(std::uint32_t keycode);

// The key code quick find and the digit bookmarks work with: the US key of
// the physical place when the platform reports XKB keycodes (xkbKeycode not
// 0) and the place is in the table, else the Qt key code. So the key right
// of "." types nothing with the Russian layout, where it reports "." too,
// and Shift+3 is still the digit key 3.
int findKeyOfEvent(int qtKey, std::uint32_t xkbKeycode);

} // namespace qor
