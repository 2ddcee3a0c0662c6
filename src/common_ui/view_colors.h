#pragma once
// Everything the owner-drawn views read besides the data itself: the system
// colours of the palette and the user's drawing settings. The main window
// fills one instance from the settings and calls update() on the views after
// a change; the views only read it.

#include "game_data/game_data.h"

#include <QChar>
#include <QColor>

#include <array>

class QPalette;

namespace qor {

struct ViewColors {
    // System colours, taken from the palette (takeSystemColors).
    QColor Window{Qt::white};
    QColor WindowText{Qt::black};
    QColor Highlight{0, 120, 215};
    QColor HighlightText{Qt::white};
    QColor GrayText{Qt::gray};

    // Alternate-row colours (computed by the main window from the percents).
    QColor PotionColor2{Qt::white};
    QColor EffInfoColor2{Qt::white};

    // Recipe-list cell under the mouse: 0 none, 1 coloured text, 2 frame, 3 both.
    int LightCellMode = 0;
    QColor CellLightColor{0, 0, 96};
    bool DrawVertLines = false;
    QColor VertLineColor{192, 192, 192};

    QColor GoodEffColor{Qt::darkGreen};
    QColor PoisonEffColor{Qt::red};
    // Symbol drawn in the effect's colour before effect names.
    QChar EffColorChar{0x2022};

    // MenuCanGrayedDisabledItem: choosers of switched-off lines draw gray text.
    bool grayDisabledItems = false;
    // Recipe-list column used by find; its header section is drawn bold.
    int PotionFindCol = 3;

    // Every other system colour by its platform index (button face 15,
    // button text 18, …); an invalid entry until takeSystemColors.
    static constexpr int kSystemColorCount = 31;
    std::array<QColor, kSystemColorCount> SystemColors{};

    // Copies the window, text, highlight and gray-text colours of a palette,
    // and fills SystemColors from its roles.
    void takeSystemColors(const QPalette &palette);
};

// Turns a stored colour code (red in the low byte) into a colour; negative
// codes name system colours and resolve against colors.
QColor colorFromCode(ColorCode code, const ViewColors &colors);

} // namespace qor
