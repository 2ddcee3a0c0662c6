#pragma once
// What the views need from the prepared pictures. An interface, so that the
// views draw from the program's ingredient pictures (ItemPicturesSource) and
// tests from pictures of their own. Every getter returns nullptr when the
// picture is absent; the views then draw text only.

#include <QColor>

class QImage;

namespace qor {

// The three row-picture variants with baked-in backgrounds.
enum class RowPicture { Even, Odd, Selected };

class PictureSource {
  public:
    virtual ~PictureSource() = default;

    // s × s ingredient picture for a recipe-list row (PicRow).
    virtual const QImage *rowPicture(int item, RowPicture variant) const = 0;
    // s × s potion-kind picture (kind 0 potion, 1 poison) for the "Тип" column.
    virtual const QImage *kindRowPicture(int kind, RowPicture variant) const = 0;
    // 32 × 32 thumbnail with a transparent background (PicSmall).
    virtual const QImage *smallPicture(int item) const = 0;
    // Full-size picture with a transparent background (PicSource without its
    // key colour), for squares larger than the small picture; none by default.
    virtual const QImage *sourcePicture(int item) const {
        (void)item;
        return nullptr;
    }
    // Full-size picture baked to the window colour (PicWindow); built on demand.
    virtual const QImage *windowPicture(int item) = 0;
    // Builds the row pictures when they are missing or not rowHeight high,
    // provided the source pictures exist.
    virtual void ensureRowPictures(int rowHeight, const QColor &even, const QColor &odd,
                                   const QColor &selected) = 0;
};

} // namespace qor
