#pragma once
// The views' picture access over the program's ItemPictures. Row pictures
// are rebuilt when the row height or one of the three row colours differs
// from the last build, since their backgrounds are baked in.

#include "recipe_list/ui/picture_source.h"

#include <QRgb>

namespace qor {

class ItemPictures;

class ItemPicturesSource : public PictureSource {
  public:
    explicit ItemPicturesSource(ItemPictures &pictures) : m_pictures(pictures) {}

    const QImage *rowPicture(int item, RowPicture variant) const override;
    const QImage *kindRowPicture(int kind, RowPicture variant) const override;
    const QImage *smallPicture(int item) const override;
    const QImage *windowPicture(int item) override;
    void ensureRowPictures(int rowHeight, const QColor &even, const QColor &odd,
                           const QColor &selected) override;

  private:
    struct RowKey {
        int height = 0;
        QRgb even = 0, odd = 0, selected = 0;
        friend bool operator==(const RowKey &, const RowKey &) = default;
    };
    ItemPictures &m_pictures;
    RowKey m_built; // parameters of the last build; height 0 = none yet
};

} // namespace qor
