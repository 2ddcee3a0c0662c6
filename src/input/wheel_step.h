#pragma once
// The mouse wheel's step and where it moves the control under the pointer.

#include "input/quick_find.h"

namespace qor {

// +1 for a turn towards the user (negative delta), -1 away, 0 for no
// vertical turn; times 10 with Alt, 10 again with Ctrl, 3 with Shift.
int wheelStep(int delta, KeyModifiers modifiers);

// A chooser's index or a list's top row moved by step, kept in
// 0..count-1; unchanged for an empty list. The chooser's command runs only
// when the result differs from index.
int wheelMovedIndex(int index, int step, int count);

// A scroll bar position moved by step small changes, kept in 0..maximum.
int wheelScrollPosition(int position, int smallChange, int step, int maximum);

} // namespace qor
