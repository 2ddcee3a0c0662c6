#pragma once
// The input box of the window: Qt's text input dialog, wide enough for the
// text it opens with (a favourite's default name, a grid cell), within the
// screen.

#include <QString>

#include <memory>

class QInputDialog;
class QWidget;

namespace qor {

std::unique_ptr<QInputDialog> makeInputBox(QWidget *parent, const QString &caption, const QString &prompt,
                                           const QString &text);

} // namespace qor
