#pragma once
// The views' picture access over the program's ItemPictures. Row pictures
// are rebuilt when the row height or one of the three row colours differs
// from what they were built with (by whomever), since their backgrounds are
// baked in.

#include "common_ui/picture_source.h"

#include <QRgb>

namespace qor {

class ItemPictures;

class ItemPicturesSource : public PictureSource {
  public:
    explicit ItemPicturesSource(ItemPictures &pictures) : m_pictures(pictures) {}

    const QImage *rowPicture(int item, RowPicture variant) const override;
    const QImage *kindRowPicture(int kind, RowPicture variant) const override;
    const QImage *smallPicture(int item) const override;
    const QImage *sourcePicture(int item) const override;
    const QImage *windowPicture(int item) override;
    void ensureRowPictures(int rowHeight, const QColor &even, const QColor &odd,
                           const QColor &selected) override;

  private:
    ItemPictures &m_pictures;
};

} // namespace qor
