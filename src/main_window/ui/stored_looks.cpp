#include "main_window/ui/stored_looks.h"

#include "session/program_state.h"

namespace qor {

void followStoredLooks(const ProgramState &state, QObject *context, SettingsFont font, int line,
                       std::function<void()> apply) {
    QObject::connect(&state.session, &Session::fontChanged, context,
                     [&state, font, apply](SettingsFont which) {
                         if (which == font && state.Gate.ready())
                             apply();
                     });
    QObject::connect(&state.session, &Session::settingChanged, context, [&state, line, apply](int changed) {
        if (changed == line && state.Gate.ready())
            apply();
    });
}

} // namespace qor
