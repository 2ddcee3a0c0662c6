#include "common_ui/view_colors.h"

#include <QPalette>

namespace qor {

void ViewColors::takeSystemColors(const QPalette &palette) {
    Window = palette.color(QPalette::Active, QPalette::Base);
    WindowText = palette.color(QPalette::Active, QPalette::Text);
    Highlight = palette.color(QPalette::Active, QPalette::Highlight);
    HighlightText = palette.color(QPalette::Active, QPalette::HighlightedText);
    GrayText = palette.color(QPalette::Disabled, QPalette::Text);

    // The platform's system colour indices and the palette role closest to each.
    const auto role = [&palette](QPalette::ColorRole r) { return palette.color(QPalette::Active, r); };
    SystemColors = {
        role(QPalette::Button),                                  // 0 scroll bar
        role(QPalette::Dark),                                    // 1 desktop
        Highlight,                                               // 2 active caption
        role(QPalette::Button),                                  // 3 inactive caption
        role(QPalette::Window),                                  // 4 menu
        Window,                                                  // 5 window
        role(QPalette::Shadow),                                  // 6 window frame
        role(QPalette::WindowText),                              // 7 menu text
        WindowText,                                              // 8 window text
        HighlightText,                                           // 9 caption text
        role(QPalette::Window),                                  // 10 active border
        role(QPalette::Window),                                  // 11 inactive border
        role(QPalette::Dark),                                    // 12 application workspace
        Highlight,                                               // 13 highlight
        HighlightText,                                           // 14 highlight text
        role(QPalette::Button),                                  // 15 button face
        role(QPalette::Dark),                                    // 16 button shadow
        GrayText,                                                // 17 gray text
        role(QPalette::ButtonText),                              // 18 button text
        palette.color(QPalette::Disabled, QPalette::WindowText), // 19 inactive caption text
        role(QPalette::Light),                                   // 20 button highlight
        role(QPalette::Shadow),                                  // 21 dark 3-D shadow
        role(QPalette::Midlight),                                // 22 3-D light
        role(QPalette::ToolTipText),                             // 23 hint text
        role(QPalette::ToolTipBase),                             // 24 hint background
        role(QPalette::Window),                                  // 25 (unused)
        role(QPalette::Link),                                    // 26 hot-tracked item
        Highlight,                                               // 27 active caption gradient
        role(QPalette::Button),                                  // 28 inactive caption gradient
        Highlight,                                               // 29 menu highlight
        role(QPalette::Window),                                  // 30 menu bar
    };
}

QColor colorFromCode(ColorCode code, const ViewColors &colors) {
    if (code >= 0)
        return QColor(code & 0xFF, (code >> 8) & 0xFF, (code >> 16) & 0xFF);
    // System colours carry the platform's colour index in the low byte. The
    // five the views draw with come from their own fields, so that a change
    // of those reaches every code that names them.
    const int index = code & 0xFF;
    switch (index) {
    case 5: // window
        return colors.Window;
    case 8: // window text
        return colors.WindowText;
    case 13: // highlight
        return colors.Highlight;
    case 14: // highlight text
        return colors.HighlightText;
    case 17: // gray text
        return colors.GrayText;
    default:
        break;
    }
    if (index < ViewColors::kSystemColorCount &&
        colors.SystemColors[static_cast<std::size_t>(index)].isValid())
        return colors.SystemColors[static_cast<std::size_t>(index)];
    return colors.WindowText;
}

} // namespace qor
