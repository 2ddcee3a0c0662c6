#include "hints/ui/hint_switch.h"

#include "settings/settings_store.h"

#include <QEvent>

namespace qor {

HintSwitch::HintSwitch(const SettingsStore &settings, QObject *parent)
    : QObject(parent), m_settings(settings) {}

bool HintSwitch::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::ToolTip && !m_settings.block().get(Setting.MenuShowHints))
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace qor
