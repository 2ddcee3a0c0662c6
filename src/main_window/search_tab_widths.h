#pragma once
// How the controls of the search-from-effects tab give way on narrow windows:
// the options panel never gets narrower than its top row needs; the effect
// panel takes the rest up to its full width, giving way first with its effect
// choosers and then with its filter choosers, each down to a least width.
// (The required-ingredient choosers fill the options panel up to their own
// full width.)

namespace qor {

struct SearchTabWidths {
    int effectChooser = 0;
    int filterChooser = 0;
    int effectPanel = 0; // the effect choosers, enable boxes and filters
};

inline constexpr int kEffectChooserWidth = 367;
inline constexpr int kEffectChooserLeast = 120;
inline constexpr int kFilterChooserWidth = 154;
inline constexpr int kFilterChooserLeast = 80;
inline constexpr int kRequiredChooserWidth = 427;
inline constexpr int kRequiredChooserLeast = 120;

// available: the tab's inner width shared by the effect panel and the
// options panel (spacing between them already taken off); optionsLeast: the
// options panel's least width; effectPanelChrome: the effect panel's width
// besides its two choosers (enable box, spacing); filterLeast: the filter
// choosers' least width (at least kFilterChooserLeast; their column's
// caption may need more).
SearchTabWidths fitSearchTab(int available, int optionsLeast, int effectPanelChrome,
                             int filterLeast = kFilterChooserLeast);

} // namespace qor
