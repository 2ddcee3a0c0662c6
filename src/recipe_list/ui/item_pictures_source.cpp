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

const QImage *ItemPicturesSource::windowPicture(int item) {
    return m_pictures.GetItemPicture(item, 2);
}

void ItemPicturesSource::ensureRowPictures(int rowHeight, const QColor &even, const QColor &odd,
                                           const QColor &selected) {
    if (!m_pictures.hasItemPictures() || m_pictures.picSource(0) == nullptr)
        return;
    const RowKey key{rowHeight, even.rgb(), odd.rgb(), selected.rgb()};
    // Pictures built elsewhere (start-up) at this height count as built once;
    // every later change of height or colour rebuilds them.
    if (m_built.height == 0 && m_pictures.rowHeight() == rowHeight &&
        m_pictures.picRow(1, RowBg::Even) != nullptr) {
        m_built = key;
    }
    if (key == m_built)
        return;
    m_built = key;
    m_pictures.MakePictures(1, rowHeight, key.even, key.odd, key.selected);
}

} // namespace qor
