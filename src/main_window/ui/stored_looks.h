#pragma once
// A list's looks kept in Main.ini (its font and its row height line),
// followed from the end of start-up on.

#include "settings/settings_file.h"

#include <functional>

class QObject;

namespace qor {

struct ProgramState;

// Runs apply whenever the stored font or the block line changes once the
// window is ready; context ends the following.
void followStoredLooks(const ProgramState &state, QObject *context, SettingsFont font, int line,
                       std::function<void()> apply);

} // namespace qor
