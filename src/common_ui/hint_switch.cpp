#include "common_ui/hint_switch.h"

#include <QAction>
#include <QEvent>

namespace qor {

HintSwitch::HintSwitch(QAction *item, QObject *parent) : QObject(parent), m_item(item) {}

bool HintSwitch::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::ToolTip && m_item && !m_item->isChecked())
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace qor
