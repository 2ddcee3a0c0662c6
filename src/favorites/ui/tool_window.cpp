#include "favorites/ui/tool_window.h"

#include "common_ui/picture_source.h"

#include <QCloseEvent>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace qor {

QFont ListFont::applied(const QFont &base) const {
    if (!usable())
        return base;
    QFont font = base;
    font.setFamily(name);
    font.setPointSize(size);
    return font;
}

int clampToolRowHeight(int height) {
    return std::clamp(height, kToolListMinRowHeight, kToolListMaxRowHeight);
}

ToolWindow::ToolWindow(QWidget *owner, Esc esc)
    : QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      m_esc(esc) {
    installEventFilter(this);
}

void ToolWindow::setBounds(const QRect &bounds) {
    setGeometry(bounds);
}

QRect ToolWindow::bounds() const {
    return geometry();
}

void ToolWindow::closeEvent(QCloseEvent *event) {
    // Closing only hides: the window lives until the program ends.
    event->accept();
    Q_EMIT closed();
}

void ToolWindow::previewKeysOf(QWidget *child) {
    child->installEventFilter(this);
}

bool ToolWindow::eventFilter(QObject *watched, QEvent *event) {
    if (m_esc == Esc::Closes && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape &&
        static_cast<QKeyEvent *>(event)->modifiers() == Qt::NoModifier) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void drawRowText(QPainter &painter, const QRect &row, int x, const QString &text) {
    if (painter.fontMetrics().height() > row.height()) {
        QFont small = painter.font();
        small.setPixelSize(std::max(1, row.height() - 1));
        painter.setFont(small);
    }
    const QFontMetrics fm = painter.fontMetrics();
    painter.drawText(x, row.top() + (row.height() - fm.height()) / 2 + fm.ascent(), text);
}

bool drawItemSquare(QPainter &painter, const QRect &square, const PictureSource *pictures, int item) {
    if (!pictures || item <= 0)
        return false;
    const QImage *small = pictures->smallPicture(item);
    if (!small)
        return false;
    const QImage *picture = small;
    if (small->height() < square.height()) {
        if (const QImage *full = pictures->sourcePicture(item))
            picture = full;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(square, *picture);
    painter.restore();
    return true;
}

} // namespace qor
