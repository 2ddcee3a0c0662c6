#pragma once
// A region's caption bar: a raised panel with centred text.

#include <QString>

class QLabel;
class QWidget;

namespace qor {

QLabel *makeCaptionBar(QWidget *parent, const QString &name, const QString &text, int height);

} // namespace qor
