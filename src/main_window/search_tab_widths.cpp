#include "main_window/search_tab_widths.h"

#include <algorithm>

namespace qor {

SearchTabWidths fitSearchTab(int available, int optionsLeast, int effectPanelChrome, int filterLeast) {
    filterLeast = std::clamp(filterLeast, kFilterChooserLeast, kFilterChooserWidth);
    const int full = kEffectChooserWidth + kFilterChooserWidth + effectPanelChrome;
    const int least = kEffectChooserLeast + filterLeast + effectPanelChrome;
    const int panel = std::clamp(available - optionsLeast, least, full);
    int shortfall = full - panel;
    SearchTabWidths w;
    w.effectChooser = std::max(kEffectChooserLeast, kEffectChooserWidth - shortfall);
    shortfall -= kEffectChooserWidth - w.effectChooser;
    w.filterChooser = std::max(filterLeast, kFilterChooserWidth - shortfall);
    w.effectPanel = w.effectChooser + w.filterChooser + effectPanelChrome;
    return w;
}

} // namespace qor
