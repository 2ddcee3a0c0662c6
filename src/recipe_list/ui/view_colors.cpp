#include "recipe_list/ui/view_colors.h"

#include <QPalette>

namespace qor {

void ViewColors::takeSystemColors(const QPalette &palette) {
    Window = palette.color(QPalette::Active, QPalette::Base);
    WindowText = palette.color(QPalette::Active, QPalette::Text);
    Highlight = palette.color(QPalette::Active, QPalette::Highlight);
    HighlightText = palette.color(QPalette::Active, QPalette::HighlightedText);
    GrayText = palette.color(QPalette::Disabled, QPalette::Text);
}

QColor colorFromCode(ColorCode code, const ViewColors &colors) {
    if (code >= 0)
        return QColor(code & 0xFF, (code >> 8) & 0xFF, (code >> 16) & 0xFF);
    // System colours carry the platform's colour index in the low byte.
    switch (code & 0xFF) {
    case 5: // window
        return colors.Window;
    case 13: // highlight
        return colors.Highlight;
    case 14: // highlight text
        return colors.HighlightText;
    case 17: // gray text
        return colors.GrayText;
    default: // window text and everything else drawn as text
        return colors.WindowText;
    }
}

} // namespace qor
