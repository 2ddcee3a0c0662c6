// The saved state and the controls: applied once at start-up, collected once
// at shutdown. Values of parts this version does not build yet stay in the
// settings untouched and are written back as read.

#include "main_window/ui/settings_binding.h"

#include "settings/effect_symbol.h"

#include "common_ui/view_colors.h"
#include "main_window/program_state.h"
#include "main_window/ui/form_controls.h"
#include "main_window/ui/search_inputs.h"

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
    : m_ctx(ctx), m_ui(ctx.ui), m_parts(std::move(parts)) {}

void SettingsBinding::apply() {
    ProgramState &st = m_ctx.state;
    MainSettings &s = st.Settings;
    const SettingsBlock &b = s.block;

    for (int k = 0; k < m_ui.Header->count() && k < static_cast<int>(s.headerWidths.size()); ++k)
        m_ui.Header->resizeSection(k, storedPixelSize(s.headerWidths[static_cast<std::size_t>(k)]));
    for (int k = 0; k < m_ui.HeaderEffInfo->count() && k < static_cast<int>(s.headerEffInfoWidths.size());
         ++k)
        m_ui.HeaderEffInfo->resizeSection(
            k, storedPixelSize(s.headerEffInfoWidths[static_cast<std::size_t>(k)]));

    // Every check item kept in Main.ini.
    m_parts.applyChecks(b);
    m_parts.view.SetGridRowHeight(b.clampedValue(SettingsLine::GridRowHeight),
                                  b.clampedValue(SettingsLine::GridHeaderRowHeight));
    // The sort itself runs once the row map is set up (start-up sequence).
    st.Grid.GridSortCode = b.clampedValue(SettingsLine::GridSortCode);
    st.Grid.GridFindCol = normalizeGridFindCol(b.gridFindCol());

    m_parts.layout.applyRegionSizes();

    m_ui.LBPotion->setItemHeight(b.clampedValue(SettingsLine::LbPotionItemHeight));
    m_ui.Header->setFixedHeight(b.clampedValue(SettingsLine::HeaderHeight));
    m_parts.view.setSplitterThickness(b.clampedValue(SettingsLine::SplitterThickness));
    m_ui.PanelCapLBPotions->setFixedHeight(b.clampedValue(SettingsLine::PanelCapLBPotionsHeight));
    m_ui.PanelCap2->setFixedHeight(b.clampedValue(SettingsLine::PanelCap2Height));
    m_ui.PanelCapGrid->setFixedHeight(b.clampedValue(SettingsLine::PanelCapGridHeight));
    m_ui.HeaderEffInfo->setFixedHeight(b.clampedValue(SettingsLine::HeaderEffInfoHeight));
    m_ui.LbEffectInfo->setItemHeight(b.clampedValue(SettingsLine::LbEffectInfoItemHeight));
    st.session.setRecipeSortCode(b.clampedValue(SettingsLine::PotionSortCode));

    m_ctx.colors.PoisonEffColor = colorFromCode(b.poisonEffColor(), m_ctx.colors);
    m_ctx.colors.GoodEffColor = colorFromCode(b.goodEffColor(), m_ctx.colors);
    m_ctx.colors.PotionFindCol = b.potionFindCol();
    m_ctx.colors.CellLightColor = colorFromCode(b.cellLightColor(), m_ctx.colors);
    m_ctx.colors.DrawVertLines = b.drawVertLines();
    m_ctx.colors.VertLineColor = colorFromCode(b.vertLineColor(), m_ctx.colors);
    m_ctx.colors.EffColorChar = effColorCharOf(b.effColorChar());
    m_ctx.colors.grayDisabledItems = b.menuCanGrayedDisabledItem();

    st.PictureWindowOpen = b.pictureWindowOpen();
    st.session.setSkills(b.clampedSkillSettings());

    applyStoredFont(m_ui.LBPotion, s.font(SettingsFont::LBPotion));
    applyStoredFont(m_ui.StringGrid, s.font(SettingsFont::StringGrid));
    applyStoredFont(m_ui.LbItemsInfo, s.font(SettingsFont::LbItemsInfo));
    applyStoredFont(m_ui.LbEffectInfo, s.font(SettingsFont::LbEffectInfo));
    applyStoredFont(m_ui.LabelAddInfo, s.font(SettingsFont::LabelAddInfo));
    applyStoredFont(m_ui.PanelCount, s.font(SettingsFont::PanelCount));
    applyStoredFont(&m_ctx.window, s.font(SettingsFont::MainForm));

    for (int k = 0; k < kSearchSlotCount; ++k)
        st.Slots.Slots[static_cast<std::size_t>(k)] = s.SearchSlots[static_cast<std::size_t>(k)];
}

void SettingsBinding::collect() {
    ProgramState &st = m_ctx.state;
    MainSettings &s = st.Settings;
    SettingsBlock &b = s.block;

    for (int k = 0; k < m_ui.Header->count() && k < static_cast<int>(s.headerWidths.size()); ++k)
        s.headerWidths[static_cast<std::size_t>(k)] = m_ui.Header->sectionSize(k);
    for (int k = 0; k < m_ui.HeaderEffInfo->count() && k < static_cast<int>(s.headerEffInfoWidths.size());
         ++k)
        s.headerEffInfoWidths[static_cast<std::size_t>(k)] = m_ui.HeaderEffInfo->sectionSize(k);
    m_ui.PanelGrid->collectColumnWidths(s.gridColumnWidths);

    b.setGridSortCode(m_ctx.state.Grid.GridSortCode);
    b.setGridFindCol(m_ctx.state.Grid.GridFindCol);
    m_parts.collectChecks(b);
    // The sizes the user chose: a session on a small screen does not leave
    // its squeezed regions to the next one on a larger screen.
    const std::array<int, 3> heights = m_parts.layout.chosenRegionHeights();
    const std::array<int, 3> widths = m_parts.layout.chosenStripWidths();
    b.setPageControlHeight(heights[0]);
    b.setPanelLbPotionsMainHeight(heights[1]);
    b.setPanelPotionInfoHeight(heights[2]);
    b.setPanelItemDisplayWidth(widths[0]);
    b.setLbPotionItemHeight(m_ui.LBPotion->itemHeight());
    b.setHeaderHeight(m_ui.Header->height());
    b.setSplitterThickness(m_parts.view.splitterThickness());
    b.setPanelAddInfoWidth(m_ui.PanelAddInfo->width());
    b.setPanelPotionTypeWidth(m_ui.PanelPotionType->width());
    b.setPanelCapLBPotionsHeight(m_ui.PanelCapLBPotions->height());
    b.setPanelCap2Height(m_ui.PanelCap2->height());
    b.setPanelCapGridHeight(m_ui.PanelCapGrid->height());
    if (const int gridRow = m_ui.PanelGrid->currentGridRow(); gridRow > 0)
        b.setGridSelRow(gridRow);
    if (const auto code = effColorCharCode(m_ctx.colors.EffColorChar))
        b.setEffColorChar(*code);
    b.setPanelEffInfoWidth(widths[2]);
    b.setHeaderEffInfoHeight(m_ui.HeaderEffInfo->height());
    b.setLbEffectInfoItemHeight(m_ui.LbEffectInfo->itemHeight());
    b.setPotionSortCode(st.session.recipes().PotionSortCode);
    b.setPanelInfoMainWidth(widths[1]);
    b.setPotionFindCol(m_ctx.colors.PotionFindCol);
    b.setPictureWindowOpen(st.PictureWindowOpen);
    b.setSkillSettings(st.session.skills());
    b.clearReserved();

    s.font(SettingsFont::LBPotion) = storedFontOf(m_ui.LBPotion, s.font(SettingsFont::LBPotion));
    s.font(SettingsFont::StringGrid) = storedFontOf(m_ui.StringGrid, s.font(SettingsFont::StringGrid));
    s.font(SettingsFont::LbItemsInfo) = storedFontOf(m_ui.LbItemsInfo, s.font(SettingsFont::LbItemsInfo));
    s.font(SettingsFont::LbEffectInfo) = storedFontOf(m_ui.LbEffectInfo, s.font(SettingsFont::LbEffectInfo));
    s.font(SettingsFont::LabelAddInfo) = storedFontOf(m_ui.LabelAddInfo, s.font(SettingsFont::LabelAddInfo));
    s.font(SettingsFont::PanelCount) = storedFontOf(m_ui.PanelCount, s.font(SettingsFont::PanelCount));
    s.font(SettingsFont::MainForm) = storedFontOf(&m_ctx.window, s.font(SettingsFont::MainForm));

    // The favourites list holds the stored values only once its tab was
    // entered; before that the values read at start-up are written back.
    if (m_parts.inputs.favoritesTabEntered()) {
        s.font(SettingsFont::LBFavorites) = storedFontOf(m_ui.LBFavorites, s.font(SettingsFont::LBFavorites));
        b.setLbFavoritesItemHeight(m_ui.LBFavorites->itemHeight());
    }

    for (int k = 0; k < kSearchSlotCount; ++k)
        s.SearchSlots[static_cast<std::size_t>(k)] = st.Slots.Slots[static_cast<std::size_t>(k)];
}

} // namespace qor
