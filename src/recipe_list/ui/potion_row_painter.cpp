#include "recipe_list/ui/potion_row_painter.h"

#include "common_ui/picture_source.h"
#include "common_ui/view_colors.h"
#include "engine/potion_list.h"
#include "game_data/game_data.h"
#include "recipe_list/potion_cells.h"
#include "visuals/contrast_ratio.h"

#include <QImage>
#include <QPainter>

namespace qor {

PotionRowPainter::PotionRowPainter(const GameData &data, const PotionList &list, const ViewColors &colors,
                                   const PictureSource *pictures)
    : m_data(data), m_list(list), m_colors(colors), m_pictures(pictures) {}

void PotionRowPainter::begin(QPainter &painter) {
    const QFontMetrics fm = painter.fontMetrics();
    m_textHeight = fm.height();
    m_ascent = fm.ascent();
    m_pen = painter.pen().color();
}

void PotionRowPainter::setPen(QPainter &painter, const QColor &color) {
    if (color != m_pen) {
        painter.setPen(color);
        m_pen = color;
    }
}

void PotionRowPainter::paintRow(QPainter &painter, const QRect &rowRect, int row, bool selected,
                                const LitCell &lit, std::span<const int> widths) {
    const int top = rowRect.top();
    const int height = rowRect.height();
    const int bottom = top + height;                       // exclusive
    const int rowRight = rowRect.left() + rowRect.width(); // exclusive

    if (m_list.PotionCount() < 1 || row < 0 || row >= m_list.PotionCount()) {
        painter.fillRect(rowRect, m_colors.Window);
        return;
    }
    const TPotionRec &rec = m_list[row];
    const bool odd = (row % 2) != 0;
    const QColor &rowBg = odd ? m_colors.PotionColor2 : m_colors.Window;
    const RowPicture variant = selected ? RowPicture::Selected : (odd ? RowPicture::Odd : RowPicture::Even);
    const int textY = top + height / 2 - m_textHeight / 2 + m_ascent;
    const bool litText = m_colors.LightCellMode == 1 || m_colors.LightCellMode == 3;
    const bool litFrame = m_colors.LightCellMode == 2 || m_colors.LightCellMode == 3;
    const bool rowIsLit = lit.row == row;

    QColor lastBg = rowBg; // the brush the last drawn cell left
    int left = rowRect.left();
    int right = left;
    const int columns = static_cast<int>(widths.size());
    for (int k = 0; k < columns; ++k) {
        left = right;
        right = left + widths[static_cast<std::size_t>(k)];
        const QRect cell(left, top, right - left, height);

        if (right < left + 3) {
            // A column dragged (nearly) shut shows only the row background.
            if (right > left)
                painter.fillRect(cell, rowBg);
            lastBg = rowBg;
            if (right >= rowRight)
                break;
            continue;
        }

        const QColor *bg = selected ? &m_colors.Highlight : &rowBg;
        const QColor *fg = selected ? &m_colors.HighlightText : &m_colors.WindowText;
        const QImage *picture = nullptr;
        QColor marker;
        QColor markerText; // black or white, whichever reads on the marker

        if (k == PotionColumn::Type) {
            if (m_pictures)
                picture = m_pictures->kindRowPicture(rec.PotionType == 0 ? 0 : 1, variant);
        } else if (PotionColumn::isItemColumn(k)) {
            const int item = rec.Items[static_cast<std::size_t>(k - PotionColumn::Item1)];
            if (item > 0 && item < m_data.itemRecordCount()) {
                if (m_pictures)
                    picture = m_pictures->rowPicture(item, variant);
                const TItemRec &ir = m_data.ItemTable[static_cast<std::size_t>(item)];
                if (ir.Marked) {
                    marker = colorFromCode(ir.MarkerColor, m_colors);
                    bg = &marker;
                    markerText = QColor::fromRgb(readableTextOn(marker.rgb() & 0xFFFFFFu));
                    fg = &markerText;
                }
            }
        } else if (PotionColumn::isEffectColumn(k)) {
            const int effect = rec.Effects[static_cast<std::size_t>((k - 9) / 4)].Effect;
            if (effect > 0 && effect < m_data.effectRecordCount()) {
                const TEffectRec &er = m_data.EffectTable[static_cast<std::size_t>(effect)];
                if (er.Marked) {
                    marker = colorFromCode(er.MarkerColor, m_colors);
                    bg = &marker;
                    markerText = QColor::fromRgb(readableTextOn(marker.rgb() & 0xFFFFFFu));
                    fg = &markerText;
                }
            }
        }
        const bool isLit = rowIsLit && lit.column == k;
        if (litText && isLit)
            fg = &m_colors.CellLightColor;

        int textLeft = left;
        if (picture) {
            // Unscaled at the cell's top-left; a wider picture is cut off by
            // the next column's background.
            painter.drawImage(left, top, *picture);
            textLeft = left + picture->width();
        }
        if (textLeft < right)
            painter.fillRect(QRect(textLeft, top, right - textLeft, height), *bg);
        if (k != PotionColumn::Type && textLeft < right) {
            const QString text = GetPotionCellText(m_data, m_list, row, k, false);
            if (!text.isEmpty()) {
                setPen(painter, *fg);
                painter.setClipRect(QRect(textLeft, top, right - textLeft, height));
                painter.drawText(textLeft + 2, textY, text);
                painter.setClipping(false);
            }
        }
        lastBg = *bg;

        if (right >= rowRight)
            break; // the last visible column gets no line and no frame
        if (m_colors.DrawVertLines)
            painter.fillRect(QRect(right - 1, top, 1, height), m_colors.VertLineColor);
        if (litFrame && isLit) {
            // One-pixel frame on (left, top + 1, right - 1, bottom - 1), drawn
            // with the brush set to the light colour; that brush is the one
            // the strip right of the columns takes when this is the last cell.
            lastBg = m_colors.CellLightColor;
            const QRect frame(left, top + 1, right - 1 - left, bottom - 1 - (top + 1));
            if (frame.width() > 0 && frame.height() > 0) {
                const QColor &c = m_colors.CellLightColor;
                painter.fillRect(QRect(frame.left(), frame.top(), frame.width(), 1), c);
                painter.fillRect(QRect(frame.left(), frame.bottom(), frame.width(), 1), c);
                painter.fillRect(QRect(frame.left(), frame.top(), 1, frame.height()), c);
                painter.fillRect(QRect(frame.right(), frame.top(), 1, frame.height()), c);
            }
        }
    }
    if (right < rowRight)
        painter.fillRect(QRect(right, top, rowRight - right, height), lastBg);
}

} // namespace qor
