#include "emoji_renderer.h"

#include <QColor>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>

namespace qor::picgen {

namespace {

constexpr int kRenderPixelSize = 128;

// The smallest rectangle holding every pixel that is not fully transparent.
QRect opaqueBounds(const QImage &image) {
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            left = qMin(left, x);
            right = qMax(right, x);
            top = qMin(top, y);
            bottom = qMax(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

bool EmojiRenderer::loadFont(const QString &fontPath) {
    const int id = QFontDatabase::addApplicationFont(fontPath);
    if (id < 0)
        return false;
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty())
        return false;
    m_family = families.first();
    return true;
}

bool EmojiRenderer::covers(const QString &text) const {
    QFont font(m_family);
    font.setPixelSize(kRenderPixelSize);
    const QFontMetrics metrics(font);
    for (const char32_t cp : text.toUcs4()) {
        if (cp == 0x200D || cp == 0xFE0F || cp == 0xFE0E)
            continue;
        if (!metrics.inFontUcs4(cp))
            return false;
    }
    return !text.isEmpty();
}

QImage EmojiRenderer::renderTight(const QString &text) const {
    const int canvas = kRenderPixelSize * 2;
    QImage image(canvas, canvas, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QFont font(m_family);
    font.setPixelSize(kRenderPixelSize);
    // Only the emoji font: a fallback font would draw a different style.
    font.setStyleStrategy(QFont::NoFontMerging);
    painter.setFont(font);
    painter.drawText(image.rect(), Qt::AlignCenter, text);
    painter.end();
    const QRect bounds = opaqueBounds(image);
    return bounds.isNull() ? QImage() : image.copy(bounds);
}

QImage EmojiRenderer::render(const QString &text, int size, int margin) const {
    QImage out(size, size, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    const QImage tight = renderTight(text);
    if (tight.isNull())
        return out;
    const int room = size - 2 * margin;
    const QImage fitted = tight.scaled(room, room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&out);
    painter.drawImage((size - fitted.width()) / 2, (size - fitted.height()) / 2, fitted);
    painter.end();
    return out;
}

QImage EmojiRenderer::overlay(const QImage &base, const QString &text, double fraction) const {
    QImage out = base.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage tight = renderTight(text);
    if (tight.isNull())
        return out;
    const int side = int(base.width() * fraction);
    const QImage fitted = tight.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&out);
    painter.drawImage(base.width() - fitted.width(), base.height() - fitted.height(), fitted);
    painter.end();
    return out;
}

QImage shiftHue(const QImage &picture, int degrees) {
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    const int turn = ((degrees % 360) + 360) % 360;
    if (turn == 0)
        return out;
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            QColor color = QColor::fromRgba(line[x]);
            const int hue = color.hsvHue();
            if (hue < 0)
                continue;
            color.setHsv((hue + turn) % 360, color.hsvSaturation(), color.value(), color.alpha());
            line[x] = color.rgba();
        }
    }
    return out;
}

} // namespace qor::picgen
