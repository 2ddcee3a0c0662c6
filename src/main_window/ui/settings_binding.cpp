// The saved state and the controls: applied once at start-up, collected once
// at shutdown. Values of parts this version does not build yet stay in the
// settings untouched and are written back as read.

#include "main_window/ui/settings_binding.h"

#include "settings/effect_symbol.h"

#include "common_ui/view_colors.h"
#include "main_window/ui/favorites_tab.h"
#include "main_window/ui/recipe_list_widgets.h"
#include "session/program_state.h"

#include "common_ui/stored_font.h"
#include "main_window/ui/reference_table_panel.h"
#include "main_window/ui/region_layout.h"
#include "main_window/ui/view_commands.h"
#include "settings/stored_geometry.h"

#include "favorites/ui/favorites_list.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/potion_list_view.h"
#include "recipe_list/ui/recipe_info_lists.h"
#include "reference_table/grid_model.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QScrollBar>
#include <QSplitter>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTabWidget>
#include <QTableView>

#include <optional>

namespace qor {

SettingsBinding::SettingsBinding(const WindowContext &ctx, Parts parts)
    : m_ctx(ctx), m_parts(std::move(parts)) {}

void SettingsBinding::apply() {
    const RecipeListWidgets &w = m_parts.recipes;
    ProgramState &st = m_ctx.state;
    const MainSettings &s = st.session.settings();
    const SettingsBlock &b = s.block;

    for (int k = 0; k < w.Header->count() && k < static_cast<int>(s.headerWidths.size()); ++k)
        w.Header->resizeSection(k, storedPixelSize(s.headerWidths[static_cast<std::size_t>(k)]));
    for (int k = 0; k < w.HeaderEffInfo->count() && k < static_cast<int>(s.headerEffInfoWidths.size()); ++k)
        w.HeaderEffInfo->resizeSection(k,
                                       storedPixelSize(s.headerEffInfoWidths[static_cast<std::size_t>(k)]));

    m_parts.view.SetGridRowHeight(b.clamped(Setting.GridRowHeight), b.clamped(Setting.GridHeaderRowHeight));
    // The sort itself runs once the row map is set up (start-up sequence).
    st.session.editGrid([&](GridState &grid) {
        grid.GridSortCode = b.clamped(Setting.GridSortCode);
        grid.GridFindCol = normalizeGridFindCol(b.get(Setting.GridFindCol));
    });

    m_parts.layout.applyRegionSizes();

    w.LBPotion->setItemHeight(b.clamped(Setting.LbPotionItemHeight));
    w.Header->setFixedHeight(b.clamped(Setting.HeaderHeight));
    m_parts.view.setSplitterThickness(b.clamped(Setting.SplitterThickness));
    w.PanelCapLBPotions->setFixedHeight(b.clamped(Setting.PanelCapLBPotionsHeight));
    w.PanelCap2->setFixedHeight(b.clamped(Setting.PanelCap2Height));
    m_parts.grid.caption()->setFixedHeight(b.clamped(Setting.PanelCapGridHeight));
    w.HeaderEffInfo->setFixedHeight(b.clamped(Setting.HeaderEffInfoHeight));
    w.LbEffectInfo->setItemHeight(b.clamped(Setting.LbEffectInfoItemHeight));
    st.session.setRecipeSortCode(b.clamped(Setting.PotionSortCode));

    m_ctx.colors.PoisonEffColor = colorFromCode(b.get(Setting.PoisonEffColor), m_ctx.colors);
    m_ctx.colors.GoodEffColor = colorFromCode(b.get(Setting.GoodEffColor), m_ctx.colors);
    m_ctx.colors.PotionFindCol = b.get(Setting.PotionFindCol);
    m_ctx.colors.CellLightColor = colorFromCode(b.get(Setting.CellLightColor), m_ctx.colors);
    m_ctx.colors.VertLineColor = colorFromCode(b.get(Setting.VertLineColor), m_ctx.colors);
    m_ctx.colors.EffColorChar = effColorCharOf(b.get(Setting.EffColorChar));

    st.PictureWindowOpen = b.get(Setting.PictureWindowOpen);
    st.session.setSkills(b.clampedSkillSettings());

    applyStoredFont(w.LBPotion, s.font(SettingsFont::LBPotion));
    applyStoredFont(m_parts.grid.view(), s.font(SettingsFont::StringGrid));
    applyStoredFont(w.LbItemsInfo, s.font(SettingsFont::LbItemsInfo));
    applyStoredFont(w.LbEffectInfo, s.font(SettingsFont::LbEffectInfo));
    applyStoredFont(w.LabelAddInfo, s.font(SettingsFont::LabelAddInfo));
    applyStoredFont(w.PanelCount, s.font(SettingsFont::PanelCount));
    applyStoredFont(&m_ctx.window, s.font(SettingsFont::MainForm));

    for (int k = 0; k < kSearchSlotCount; ++k)
        st.Slots.Slots[static_cast<std::size_t>(k)] = s.SearchSlots[static_cast<std::size_t>(k)];
}

void SettingsBinding::collect() {
    ProgramState &st = m_ctx.state;
    st.session.editSettings([&](MainSettings &s) { collectInto(s); });
}

void SettingsBinding::collectInto(MainSettings &s) {
    const RecipeListWidgets &w = m_parts.recipes;
    const ProgramState &st = m_ctx.state;
    SettingsBlock &b = s.block;

    for (int k = 0; k < w.Header->count() && k < static_cast<int>(s.headerWidths.size()); ++k)
        s.headerWidths[static_cast<std::size_t>(k)] = w.Header->sectionSize(k);
    for (int k = 0; k < w.HeaderEffInfo->count() && k < static_cast<int>(s.headerEffInfoWidths.size()); ++k)
        s.headerEffInfoWidths[static_cast<std::size_t>(k)] = w.HeaderEffInfo->sectionSize(k);
    m_parts.grid.collectColumnWidths(s.gridColumnWidths);

    b.set(Setting.GridSortCode, m_ctx.state.session.grid().GridSortCode);
    b.set(Setting.GridFindCol, m_ctx.state.session.grid().GridFindCol);
    // The sizes the user chose: a session on a small screen does not leave
    // its squeezed regions to the next one on a larger screen.
    const std::array<int, 3> heights = m_parts.layout.chosenRegionHeights();
    const std::array<int, 3> widths = m_parts.layout.chosenStripWidths();
    b.set(Setting.PageControlHeight, heights[0]);
    b.set(Setting.PanelLbPotionsMainHeight, heights[1]);
    b.set(Setting.PanelPotionInfoHeight, heights[2]);
    b.set(Setting.PanelItemDisplayWidth, widths[0]);
    b.set(Setting.LbPotionItemHeight, w.LBPotion->itemHeight());
    b.set(Setting.HeaderHeight, w.Header->height());
    b.set(Setting.SplitterThickness, m_parts.view.splitterThickness());
    b.set(Setting.PanelAddInfoWidth, w.PanelAddInfo->width());
    b.set(Setting.PanelPotionTypeWidth, w.PanelPotionType->width());
    b.set(Setting.PanelCapLBPotionsHeight, w.PanelCapLBPotions->height());
    b.set(Setting.PanelCap2Height, w.PanelCap2->height());
    b.set(Setting.PanelCapGridHeight, m_parts.grid.caption()->height());
    if (const int gridRow = m_parts.grid.currentGridRow(); gridRow > 0)
        b.set(Setting.GridSelRow, gridRow);
    if (const auto code = effColorCharCode(m_ctx.colors.EffColorChar))
        b.set(Setting.EffColorChar, *code);
    b.set(Setting.PanelEffInfoWidth, widths[2]);
    b.set(Setting.HeaderEffInfoHeight, w.HeaderEffInfo->height());
    b.set(Setting.LbEffectInfoItemHeight, w.LbEffectInfo->itemHeight());
    b.set(Setting.PotionSortCode, st.session.recipes().PotionSortCode);
    b.set(Setting.PanelInfoMainWidth, widths[1]);
    b.set(Setting.PotionFindCol, m_ctx.colors.PotionFindCol);
    b.set(Setting.PictureWindowOpen, st.PictureWindowOpen);
    b.setSkillSettings(st.session.skills());
    b.clearReserved();

    s.font(SettingsFont::LBPotion) = storedFontOf(w.LBPotion, s.font(SettingsFont::LBPotion));
    s.font(SettingsFont::StringGrid) = storedFontOf(m_parts.grid.view(), s.font(SettingsFont::StringGrid));
    s.font(SettingsFont::LbItemsInfo) = storedFontOf(w.LbItemsInfo, s.font(SettingsFont::LbItemsInfo));
    s.font(SettingsFont::LbEffectInfo) = storedFontOf(w.LbEffectInfo, s.font(SettingsFont::LbEffectInfo));
    s.font(SettingsFont::LabelAddInfo) = storedFontOf(w.LabelAddInfo, s.font(SettingsFont::LabelAddInfo));
    s.font(SettingsFont::PanelCount) = storedFontOf(w.PanelCount, s.font(SettingsFont::PanelCount));
    s.font(SettingsFont::MainForm) = storedFontOf(&m_ctx.window, s.font(SettingsFont::MainForm));

    // The favourites list holds the stored values only once its tab was
    // entered; before that the values read at start-up are written back.
    if (m_parts.favorites.entered()) {
        s.font(SettingsFont::LBFavorites) =
            storedFontOf(m_parts.favorites.list(), s.font(SettingsFont::LBFavorites));
        b.set(Setting.LbFavoritesItemHeight, m_parts.favorites.list()->itemHeight());
    }

    for (int k = 0; k < kSearchSlotCount; ++k)
        s.SearchSlots[static_cast<std::size_t>(k)] = st.Slots.Slots[static_cast<std::size_t>(k)];
}

} // namespace qor
