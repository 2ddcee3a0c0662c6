#pragma once
// The window's controls size their fonts in pixels, as the window
// description gives them, so they look alike on every screen density.

#include <QFont>
#include <QString>

namespace qor {

inline QFont pixelFont(const QString &family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

} // namespace qor
