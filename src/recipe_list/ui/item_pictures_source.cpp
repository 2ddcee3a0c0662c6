#include "recipe_list/ui/item_pictures_source.h"

#include "visuals/ui/item_pictures.h"

namespace qor {

namespace {
RowBg toRowBg(RowPicture variant) {
    switch (variant) {
    case RowPicture::Odd:
        return RowBg::Odd;
    case RowPicture::Selected:
        return RowBg::Selected;
    case RowPicture::Even:
        break;
    }
    return RowBg::Even;
}
} // namespace

const QImage *ItemPicturesSource::rowPicture(int item, RowPicture variant) const {
    return m_pictures.picRow(item, toRowBg(variant));
}

const QImage *ItemPicturesSource::kindRowPicture(int kind, RowPicture variant) const {
    return m_pictures.potionKindRow(kind, toRowBg(variant));
}

const QImage *ItemPicturesSource::smallPicture(int item) const {
    return m_pictures.picSmall(item);
}

const QImage *ItemPicturesSource::sourcePicture(int item) const {
    return m_pictures.picSourceTransparent(item);
}

const QImage *ItemPicturesSource::windowPicture(int item) {
    return m_pictures.GetItemPicture(item, 2);
}

void ItemPicturesSource::ensureRowPictures(int rowHeight, const QColor &even, const QColor &odd,
                                           const QColor &selected) {
    if (!m_pictures.hasItemPictures() || m_pictures.picSource(0) == nullptr)
        return;
    if (m_pictures.rowPicturesMatch(rowHeight, even.rgb(), odd.rgb(), selected.rgb()))
        return;
    // A height that gets no row pictures only needs the old ones dropped once.
    if ((rowHeight < 1 || rowHeight > ItemPictures::kMaxRowHeight) && m_pictures.rowHeight() == 0)
        return;
    m_pictures.MakePictures(1, rowHeight, even.rgb(), odd.rgb(), selected.rgb());
}

} // namespace qor
