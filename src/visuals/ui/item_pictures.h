#pragma once
// The ingredient pictures (a table parallel to ItemTable) and the two
// potion-kind pictures: cut from Data1.bmc / Data2.bmc through the picture
// library, and the derived pictures the views draw (small, row, display and
// window pictures). All getters return nullptr for an absent picture; the
// returned pointers stay valid until the next cut or release(), also across
// rebuilds (display and window pictures are rewritten in place).

#include "visuals/ui/picture_library.h"
#include "visuals/ui/picture_ops.h"

#include <QImage>
#include <QRgb>
#include <QString>

#include <array>
#include <span>
#include <vector>

namespace qor {

// Which row background a row picture is baked on.
enum class RowBg { Even = 0, Odd = 1, Selected = 2 };

// The pictures of one ingredient.
struct ItemPictureSet {
    QImage PicSource;             // W x (cell - 1), key intact (RGB32)
    QImage PicSmall;              // 32 x 32, key transparent
    std::array<QImage, 3> PicRow; // s x s, key baked (by RowBg)
    QImage PicDisplay;            // W x (cell - 1), key -> panel background
    QImage PicWindow;             // W x (cell - 1), key -> window colour
    // PicSource with the key transparent, made when first asked for.
    mutable QImage PicSourceTransparent;
};

// The pictures of one potion kind (0 potion, 1 poison).
struct PotionKindPicture {
    QImage Source;             // cut from Data2.bmc, key intact
    QImage Full;               // full size, key -> window colour
    std::array<QImage, 3> Row; // s x s, see potionKindRowRect
};

class ItemPictures {
  public:
    static constexpr int kSmallSize = 32;
    // Row heights outside 1..kMaxRowHeight build no row pictures.
    static constexpr int kMaxRowHeight = 256;

    // Cuts Data1.bmc into itemRecordCount pictures (record 0 black). Returns
    // false and leaves the ingredient pictures absent on any failure.
    bool cutData1(PictureLibrary &library, const QString &path, int itemRecordCount);
    // Cuts Data2.bmc into the two potion-kind sources (full cells).
    bool cutData2(PictureLibrary &library, const QString &path);
    // Both cuts from <dataDir>Data1.bmc and <dataDir>Data2.bmc; a failure of
    // one file leaves only that file's pictures absent.
    void cutAll(PictureLibrary &library, const QString &dataDir, int itemRecordCount);

    // mode 0: small and row pictures, 1: row pictures, 2: small pictures.
    // Does nothing while ingredient 0 has no source picture.
    void MakePictures(int mode, int rowHeight, QRgb evenBg, QRgb oddBg, QRgb selectedBg);
    // mode 0: display and window pictures, 1: display, 2: window. index -1
    // means all ingredients, another value limits the display pictures to
    // that ingredient (window pictures are always built for all). Both
    // colours are kept, whatever the mode, for GetItemPicture.
    void MakePicturesDisplay(int mode, int index, QRgb displayBg, QRgb windowBg);
    // which: 1 display, 2 window. Builds the picture first when missing (with
    // the backgrounds of the last MakePicturesDisplay); nullptr for item <= 0,
    // beyond the table, or without pictures.
    const QImage *GetItemPicture(int item, int which);

    // Frees every picture (the table becomes empty).
    void release();

    bool hasItemPictures() const { return !m_items.empty(); }
    int itemCount() const { return static_cast<int>(m_items.size()); }
    // Side of the current row pictures; 0 when there are none.
    int rowHeight() const { return m_rowHeight; }
    // Whether the row pictures exist at side s baked on exactly these
    // even, odd and selected backgrounds (alpha ignored).
    bool rowPicturesMatch(int s, QRgb evenBg, QRgb oddBg, QRgb selectedBg) const;

    const QImage *picSource(int item) const;
    // Direct access to PicSource's pixels, row after row (PicBits).
    std::span<const QRgb> picBits(int item) const;
    const QImage *picSmall(int item) const;
    // PicSource with the key transparent, for views that stretch the
    // full-size picture over a cell larger than 32 pixels; made on the first
    // request.
    const QImage *picSourceTransparent(int item) const;
    const QImage *picRow(int item, RowBg bg) const;
    const QImage *picDisplay(int item) const;
    const QImage *picWindow(int item) const;

    // kind: 0 potion, 1 poison (a recipe's PotionType 0 -> 0, else 1).
    const QImage *potionKindSource(int kind) const;
    const QImage *potionKindFull(int kind) const;
    const QImage *potionKindRow(int kind, RowBg bg) const;

    const std::vector<ItemPictureSet> &items() const { return m_items; }
    const std::array<PotionKindPicture, 2> &PotionKindPics() const { return m_kinds; }

  private:
    void makeSmall();
    void makeRows(int s, const std::array<QRgb, 3> &bg);
    void makeDisplay(int item, QRgb bg);
    void makeWindow(int item, QRgb bg);
    bool validItem(int item) const { return item >= 0 && item < itemCount(); }

    std::vector<ItemPictureSet> m_items;
    // Background each display / window picture was baked on, so that a
    // picture built for an older background is rebuilt when asked for.
    std::vector<QRgb> m_displayBaked;
    std::vector<QRgb> m_windowBaked;
    std::array<PotionKindPicture, 2> m_kinds;
    int m_rowHeight = 0;
    std::array<QRgb, 3> m_rowBg{}; // backgrounds of the current row pictures
    QRgb m_displayBg = 0xFFFFFFFFu;
    QRgb m_windowBg = 0xFFFFFFFFu;
};

} // namespace qor
