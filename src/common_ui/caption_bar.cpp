#include "common_ui/caption_bar.h"

#include <QLabel>

namespace qor {

QLabel *makeCaptionBar(QWidget *parent, const QString &name, const QString &text, int height) {
    auto *bar = new QLabel(text, parent);
    bar->setObjectName(name);
    bar->setAlignment(Qt::AlignCenter);
    bar->setFrameShape(QFrame::Panel);
    bar->setFrameShadow(QFrame::Raised);
    bar->setFixedHeight(height);
    return bar;
}

} // namespace qor
