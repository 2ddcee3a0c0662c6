#include "visuals/ui/item_pictures.h"

#include <cstring>

namespace qor {

namespace {

// Copies the strip rectangle (0, top, width, rows) into dst's top-left
// corner, clipped to both pictures; the rest of dst is left as it is.
void copyRows(const QImage &strip, int top, QImage &dst) {
    const int width = qMin(dst.width(), strip.width());
    if (width <= 0 || top < 0)
        return;
    for (int y = 0; y < dst.height() && top + y < strip.height(); ++y)
        std::memcpy(dst.scanLine(y), strip.constScanLine(top + y), size_t(width) * sizeof(QRgb));
}

// The s x s row picture of a potion kind: the key colour, with the source
// scaled to the width of potionKindRowRect drawn at its place (clipped).
QImage kindRowPicture(const QImage &source, int s) {
    QImage row(s, s, QImage::Format_RGB32);
    row.fill(KeyColor);
    const QRect place = potionKindRowRect(source.width(), source.height(), s);
    if (place.isEmpty())
        return row;
    const qint64 w = place.width();
    const int sw = source.width();
    const int sh = source.height();
    for (int y = 0; y < s; ++y) {
        const int sy = int((qint64(2 * y + 1) * sh) / (2 * qint64(s)));
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(sy));
        auto *out = reinterpret_cast<QRgb *>(row.scanLine(y));
        for (int x = 0; x < s; ++x) {
            const qint64 sx = x - place.x();
            if (sx >= 0 && sx < w)
                out[x] = in[(2 * sx + 1) * sw / (2 * w)];
        }
    }
    return row;
}

} // namespace

bool ItemPictures::cutData1(PictureLibrary &library, const QString &path, int itemRecordCount) {
    m_items.clear();
    m_displayBaked.clear();
    m_windowBaked.clear();
    m_rowHeight = 0;
    if (!library.isLoaded() || itemRecordCount < 2 || !library.loadBmc(path))
        return false;
    const QImage strip = library.decodeBmc();
    if (strip.isNull())
        return false;
    const QSize size = library.headerSize();
    const int cell = size.height() / (itemRecordCount - 1);
    // A cell of one row would leave pictures without a single row.
    if (size.width() <= 0 || cell < 2)
        return false;
    m_items.resize(size_t(itemRecordCount));
    for (int i = 0; i < itemRecordCount; ++i) {
        QImage pic(size.width(), cell - 1, QImage::Format_RGB32);
        pic.fill(0xFF000000u);
        if (i >= 1)
            copyRows(strip, (i - 1) * cell, pic);
        m_items[size_t(i)].PicSource = pic;
    }
    m_displayBaked.assign(m_items.size(), 0);
    m_windowBaked.assign(m_items.size(), 0);
    return true;
}

bool ItemPictures::cutData2(PictureLibrary &library, const QString &path) {
    m_kinds = {};
    if (!library.isLoaded() || !library.loadBmc(path))
        return false;
    const QImage strip = library.decodeBmc();
    if (strip.isNull())
        return false;
    const QSize size = library.headerSize();
    const int cell = size.height() / 2;
    if (size.width() <= 0 || cell < 1)
        return false;
    for (int kind = 0; kind < 2; ++kind) {
        QImage pic(size.width(), cell, QImage::Format_RGB32);
        pic.fill(0xFF000000u);
        copyRows(strip, kind * cell, pic);
        m_kinds[size_t(kind)].Source = pic;
    }
    return true;
}

void ItemPictures::cutAll(PictureLibrary &library, const QString &dataDir, int itemRecordCount) {
    cutData1(library, dataDir + QStringLiteral("Data1.bmc"), itemRecordCount);
    cutData2(library, dataDir + QStringLiteral("Data2.bmc"));
}

void ItemPictures::MakePictures(int mode, int rowHeight, QRgb evenBg, QRgb oddBg, QRgb selectedBg) {
    if (m_items.empty() || m_items[0].PicSource.isNull())
        return;
    if (mode == 0 || mode == 2)
        makeSmall();
    if (mode == 0 || mode == 1)
        makeRows(rowHeight, {evenBg, oddBg, selectedBg});
}

void ItemPictures::makeSmall() {
    for (ItemPictureSet &item : m_items)
        item.PicSmall = keyToTransparent(scaleNearest(item.PicSource, kSmallSize, kSmallSize));
}

void ItemPictures::makeRows(int s, const std::array<QRgb, 3> &bg) {
    // Full pictures do not depend on the row height; the even background is
    // the window colour.
    for (PotionKindPicture &kind : m_kinds) {
        if (!kind.Source.isNull())
            bakeKey(kind.Source, bg[0], kind.Full);
    }
    if (s < 1 || s > kMaxRowHeight) {
        for (ItemPictureSet &item : m_items)
            item.PicRow = {};
        for (PotionKindPicture &kind : m_kinds)
            kind.Row = {};
        m_rowHeight = 0;
        return;
    }
    for (ItemPictureSet &item : m_items) {
        const QImage scaled = scaleNearest(item.PicSource, s, s);
        for (size_t b = 0; b < bg.size(); ++b)
            bakeKey(scaled, bg[b], item.PicRow[b]);
    }
    for (PotionKindPicture &kind : m_kinds) {
        if (kind.Source.isNull())
            continue;
        const QImage row = kindRowPicture(kind.Source, s);
        for (size_t b = 0; b < bg.size(); ++b)
            bakeKey(row, bg[b], kind.Row[b]);
    }
    m_rowHeight = s;
    m_rowBg = bg;
}

bool ItemPictures::rowPicturesMatch(int s, QRgb evenBg, QRgb oddBg, QRgb selectedBg) const {
    const auto same = [](QRgb a, QRgb b) { return (a & 0xFFFFFFu) == (b & 0xFFFFFFu); };
    return m_rowHeight > 0 && m_rowHeight == s && same(m_rowBg[0], evenBg) && same(m_rowBg[1], oddBg) &&
           same(m_rowBg[2], selectedBg);
}

void ItemPictures::makeDisplay(int item, QRgb bg) {
    bakeKey(m_items[size_t(item)].PicSource, bg, m_items[size_t(item)].PicDisplay);
    m_displayBaked[size_t(item)] = bg;
}

void ItemPictures::makeWindow(int item, QRgb bg) {
    bakeKey(m_items[size_t(item)].PicSource, bg, m_items[size_t(item)].PicWindow);
    m_windowBaked[size_t(item)] = bg;
}

void ItemPictures::MakePicturesDisplay(int mode, int index, QRgb displayBg, QRgb windowBg) {
    if (m_items.empty() || m_items[0].PicSource.isNull())
        return;
    // Both colours are kept in every mode: pictures not built here are built
    // on demand by GetItemPicture with them.
    m_displayBg = displayBg;
    m_windowBg = windowBg;
    if (mode == 0 || mode == 1) {
        if (index == -1) {
            for (int i = 0; i < itemCount(); ++i)
                makeDisplay(i, displayBg);
        } else if (validItem(index)) {
            makeDisplay(index, displayBg);
        }
    }
    if (mode == 0 || mode == 2) {
        for (int i = 0; i < itemCount(); ++i)
            makeWindow(i, windowBg);
    }
}

const QImage *ItemPictures::GetItemPicture(int item, int which) {
    if (item <= 0 || item >= itemCount() || m_items[size_t(item)].PicSource.isNull())
        return nullptr;
    ItemPictureSet &set = m_items[size_t(item)];
    if (which == 1) {
        if (set.PicDisplay.isNull() || m_displayBaked[size_t(item)] != m_displayBg)
            makeDisplay(item, m_displayBg);
        return &set.PicDisplay;
    }
    if (which == 2) {
        if (set.PicWindow.isNull() || m_windowBaked[size_t(item)] != m_windowBg)
            makeWindow(item, m_windowBg);
        return &set.PicWindow;
    }
    return nullptr;
}

void ItemPictures::release() {
    m_items.clear();
    m_displayBaked.clear();
    m_windowBaked.clear();
    m_kinds = {};
    m_rowHeight = 0;
}

namespace {
const QImage *present(const QImage &image) {
    return image.isNull() ? nullptr : &image;
}
} // namespace

const QImage *ItemPictures::picSource(int item) const {
    return validItem(item) ? present(m_items[size_t(item)].PicSource) : nullptr;
}

std::span<const QRgb> ItemPictures::picBits(int item) const {
    const QImage *src = picSource(item);
    if (!src)
        return {};
    // RGB32 pictures made here have no row padding.
    return {reinterpret_cast<const QRgb *>(src->constBits()), size_t(src->width()) * size_t(src->height())};
}

const QImage *ItemPictures::picSmall(int item) const {
    return validItem(item) ? present(m_items[size_t(item)].PicSmall) : nullptr;
}

const QImage *ItemPictures::picSourceTransparent(int item) const {
    if (!validItem(item))
        return nullptr;
    // Only a tall grid row draws it: made for the ingredients shown, when shown.
    const ItemPictureSet &set = m_items[size_t(item)];
    if (set.PicSourceTransparent.isNull() && !set.PicSource.isNull())
        set.PicSourceTransparent = keyToTransparent(set.PicSource);
    return present(set.PicSourceTransparent);
}

const QImage *ItemPictures::picRow(int item, RowBg bg) const {
    return validItem(item) ? present(m_items[size_t(item)].PicRow[size_t(bg)]) : nullptr;
}

const QImage *ItemPictures::picDisplay(int item) const {
    return validItem(item) ? present(m_items[size_t(item)].PicDisplay) : nullptr;
}

const QImage *ItemPictures::picWindow(int item) const {
    return validItem(item) ? present(m_items[size_t(item)].PicWindow) : nullptr;
}

const QImage *ItemPictures::potionKindSource(int kind) const {
    return kind == 0 || kind == 1 ? present(m_kinds[size_t(kind)].Source) : nullptr;
}

const QImage *ItemPictures::potionKindFull(int kind) const {
    return kind == 0 || kind == 1 ? present(m_kinds[size_t(kind)].Full) : nullptr;
}

const QImage *ItemPictures::potionKindRow(int kind, RowBg bg) const {
    return kind == 0 || kind == 1 ? present(m_kinds[size_t(kind)].Row[size_t(bg)]) : nullptr;
}

} // namespace qor
