#pragma once
// Renders one emoji (or a small composition of two) into a square picture
// with a transparent background, fitted to the picture with a margin, and
// turns colours round the hue circle.

#include <QImage>
#include <QString>

namespace qor::picgen {

class EmojiRenderer {
  public:
    // Registers the colour emoji font at fontPath; false when it cannot.
    bool loadFont(const QString &fontPath);
    QString family() const { return m_family; }

    // True when every code point of text (joiners and variation selectors
    // aside) has a glyph in the font.
    bool covers(const QString &text) const;

    // The emoji fitted into size x size (ARGB32, transparent background).
    QImage render(const QString &text, int size, int margin) const;

    // A second emoji drawn over the lower right part of base, at the given
    // fraction of its side.
    QImage overlay(const QImage &base, const QString &text, double fraction) const;

  private:
    QImage renderTight(const QString &text) const;

    QString m_family;
};

// Every pixel's hue turned by degrees (grey pixels stay grey).
QImage shiftHue(const QImage &picture, int degrees);

} // namespace qor::picgen
