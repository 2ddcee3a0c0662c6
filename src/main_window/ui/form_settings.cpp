// The saved state and the controls: applied once at start-up, collected once
// at shutdown. Values of parts this version does not build yet stay in the
// settings untouched and are written back as read.

#include "main_window/ui/form_main.h"

#include "main_window/stored_geometry.h"
#include "main_window/ui/reference_table_panel.h"
#include "main_window/ui/tool_windows.h"

#include "recipe_list/ui/chooser_combo.h"
#include "favorites/ui/favorites_list.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/potion_list_view.h"
#include "recipe_list/ui/recipe_info_lists.h"
#include "reference_table/grid_model.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QSplitter>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTabWidget>
#include <QTableView>

#include <optional>

namespace qor {

namespace {

// A stored font: face name and size in points; the style comes from the
// control. Unusable values leave the control's font as it is.
void applyFont(QWidget *w, const FontSetting &f) {
    if (f.name.isEmpty() || f.size <= 0 || f.size > 200)
        return;
    QFont font = w->font();
    font.setFamily(f.name);
    font.setPointSize(f.size);
    w->setFont(font);
}

FontSetting fontOf(const QWidget *w, const FontSetting &stored) {
    const QFont font = w->font();
    FontSetting out;
    // A font the settings named keeps its name even when a look-alike draws it.
    out.name = (!stored.name.isEmpty() && font.family() == stored.name) ? stored.name : font.family();
    out.size = font.pointSize() > 0 ? font.pointSize() : stored.size;
    if (font.pointSize() <= 0 && font.pixelSize() > 0 && stored.size <= 0)
        out.size = qRound(font.pixelSize() * 72.0 / 96.0);
    return out;
}

QChar charFromCode(std::uint8_t code) {
    QStringDecoder decode("windows-1251");
    const char byte = static_cast<char>(code);
    const QString text = decode(QByteArray(&byte, 1));
    return text.isEmpty() ? QChar(0x2022) : text.at(0);
}

} // namespace

std::optional<std::uint8_t> effColorCharCode(QChar symbol) {
    if (symbol.isSurrogate())
        return std::nullopt;
    QStringEncoder encode("windows-1251");
    const QByteArray bytes = encode(QString(symbol));
    // The encoder writes "?" for a character the code page lacks.
    if (encode.hasError() || bytes.size() != 1 || (bytes.at(0) == '?' && symbol != QLatin1Char('?')))
        return std::nullopt;
    return static_cast<std::uint8_t>(bytes.at(0));
}

namespace {

int heightOf(const QWidget *w) {
    return w->height();
}

} // namespace

void TFormMain::applyRegionSizes() {
    // The last part of each splitter takes what remains, as the regions of
    // the window description do.
    const SettingsBlock &b = m_state->Settings.block;
    auto fill = [](QSplitter *splitter, std::initializer_list<std::int32_t> fixed) {
        const int total = splitter->orientation() == Qt::Vertical ? splitter->height() : splitter->width();
        splitter->setSizes(SplitterSizesFromStored(fixed, total, splitter->handleWidth()));
    };
    fill(MainSplitter, {b.pageControlHeight(), b.panelLbPotionsMainHeight(), b.panelPotionInfoHeight()});
    fill(PanelPotionInfo, {b.panelItemDisplayWidth(), b.panelInfoMainWidth(), b.panelEffInfoWidth()});
    fill(InfoMainSplitter, {b.panelPotionTypeWidth(), b.panelAddInfoWidth()});
    m_stripWidths = PanelPotionInfo->sizes();
    m_regionHeights = MainSplitter->sizes();
}

void TFormMain::applySettings() {
    ProgramState &st = *m_state;
    MainSettings &s = st.Settings;
    const SettingsBlock &b = s.block;

    for (int k = 0; k < Header->count() && k < static_cast<int>(s.headerWidths.size()); ++k)
        Header->resizeSection(k, StoredPixelSize(s.headerWidths[static_cast<std::size_t>(k)]));
    for (int k = 0; k < HeaderEffInfo->count() && k < static_cast<int>(s.headerEffInfoWidths.size()); ++k)
        HeaderEffInfo->resizeSection(k, StoredPixelSize(s.headerEffInfoWidths[static_cast<std::size_t>(k)]));

    // Every check item kept in Main.ini.
    applyCheckSettings(b);
    SetGridRowHeight(b.clampedValue(SettingsLine::GridRowHeight),
                     b.clampedValue(SettingsLine::GridHeaderRowHeight));
    // The sort itself runs once the row map is set up (start-up sequence).
    st.Grid.GridSortCode = b.clampedValue(SettingsLine::GridSortCode);
    st.Grid.GridFindCol = normalizeGridFindCol(b.gridFindCol());

    applyRegionSizes();

    LBPotion->setItemHeight(b.clampedValue(SettingsLine::LbPotionItemHeight));
    Header->setFixedHeight(b.clampedValue(SettingsLine::HeaderHeight));
    m_splitterThickness = b.clampedValue(SettingsLine::SplitterThickness);
    PanelCapLBPotions->setFixedHeight(b.clampedValue(SettingsLine::PanelCapLBPotionsHeight));
    PanelCap2->setFixedHeight(b.clampedValue(SettingsLine::PanelCap2Height));
    PanelCapGrid->setFixedHeight(b.clampedValue(SettingsLine::PanelCapGridHeight));
    HeaderEffInfo->setFixedHeight(b.clampedValue(SettingsLine::HeaderEffInfoHeight));
    LbEffectInfo->setItemHeight(b.clampedValue(SettingsLine::LbEffectInfoItemHeight));
    st.Potions.PotionSortCode = b.clampedValue(SettingsLine::PotionSortCode);

    m_colors.PoisonEffColor = colorFromCode(b.poisonEffColor(), m_colors);
    m_colors.GoodEffColor = colorFromCode(b.goodEffColor(), m_colors);
    m_colors.PotionFindCol = b.potionFindCol();
    m_colors.CellLightColor = colorFromCode(b.cellLightColor(), m_colors);
    m_colors.DrawVertLines = b.drawVertLines();
    m_colors.VertLineColor = colorFromCode(b.vertLineColor(), m_colors);
    m_colors.EffColorChar = charFromCode(b.effColorChar());
    m_colors.grayDisabledItems = b.menuCanGrayedDisabledItem();

    st.PictureWindowOpen = b.pictureWindowOpen();
    st.Skills = b.clampedSkillSettings();

    applyFont(LBPotion, s.font(SettingsFont::LBPotion));
    applyFont(StringGrid, s.font(SettingsFont::StringGrid));
    applyFont(LbItemsInfo, s.font(SettingsFont::LbItemsInfo));
    applyFont(LbEffectInfo, s.font(SettingsFont::LbEffectInfo));
    applyFont(LabelAddInfo, s.font(SettingsFont::LabelAddInfo));
    applyFont(PanelCount, s.font(SettingsFont::PanelCount));
    applyFont(this, s.font(SettingsFont::MainForm));

    for (int k = 0; k < kSearchSlotCount; ++k)
        st.Slots.Slots[static_cast<std::size_t>(k)] = s.SearchSlots[static_cast<std::size_t>(k)];
}

void TFormMain::applyFavoritesTabSettings() {
    const MainSettings &s = m_state->Settings;
    applyFont(LBFavorites, s.font(SettingsFont::LBFavorites));
    LBFavorites->setItemHeight(s.block.clampedValue(SettingsLine::LbFavoritesItemHeight));
}

void TFormMain::collectSettings() {
    ProgramState &st = *m_state;
    MainSettings &s = st.Settings;
    SettingsBlock &b = s.block;

    for (int k = 0; k < Header->count() && k < static_cast<int>(s.headerWidths.size()); ++k)
        s.headerWidths[static_cast<std::size_t>(k)] = Header->sectionSize(k);
    for (int k = 0; k < HeaderEffInfo->count() && k < static_cast<int>(s.headerEffInfoWidths.size()); ++k)
        s.headerEffInfoWidths[static_cast<std::size_t>(k)] = HeaderEffInfo->sectionSize(k);
    m_grid->collectColumnWidths(s.gridColumnWidths);

    b.setGridSortCode(m_state->Grid.GridSortCode);
    b.setGridFindCol(m_state->Grid.GridFindCol);
    collectCheckSettings(b);
    b.setPanelItemDisplayWidth(PanelItemDisplay->width());
    b.setPanelPotionInfoHeight(heightOf(PanelPotionInfo));
    b.setPanelLbPotionsMainHeight(heightOf(PanelLbPotionsMain));
    b.setPageControlHeight(heightOf(PageControl));
    b.setLbPotionItemHeight(LBPotion->itemHeight());
    b.setHeaderHeight(Header->height());
    b.setSplitterThickness(m_splitterThickness);
    b.setPanelAddInfoWidth(PanelAddInfo->width());
    b.setPanelPotionTypeWidth(PanelPotionType->width());
    b.setPanelCapLBPotionsHeight(PanelCapLBPotions->height());
    b.setPanelCap2Height(PanelCap2->height());
    b.setPanelCapGridHeight(PanelCapGrid->height());
    if (const int gridRow = m_grid->currentGridRow(); gridRow > 0)
        b.setGridSelRow(gridRow);
    if (const auto code = effColorCharCode(m_colors.EffColorChar))
        b.setEffColorChar(*code);
    b.setPanelEffInfoWidth(PanelEffInfo->width());
    b.setHeaderEffInfoHeight(HeaderEffInfo->height());
    b.setLbEffectInfoItemHeight(LbEffectInfo->itemHeight());
    b.setPotionSortCode(st.Potions.PotionSortCode);
    b.setPanelInfoMainWidth(PanelInfoMain->width());
    b.setPotionFindCol(m_colors.PotionFindCol);
    b.setPictureWindowOpen(st.PictureWindowOpen);
    b.setSkillSettings(st.Skills);
    b.clearReserved();

    s.font(SettingsFont::LBPotion) = fontOf(LBPotion, s.font(SettingsFont::LBPotion));
    s.font(SettingsFont::StringGrid) = fontOf(StringGrid, s.font(SettingsFont::StringGrid));
    s.font(SettingsFont::LbItemsInfo) = fontOf(LbItemsInfo, s.font(SettingsFont::LbItemsInfo));
    s.font(SettingsFont::LbEffectInfo) = fontOf(LbEffectInfo, s.font(SettingsFont::LbEffectInfo));
    s.font(SettingsFont::LabelAddInfo) = fontOf(LabelAddInfo, s.font(SettingsFont::LabelAddInfo));
    s.font(SettingsFont::PanelCount) = fontOf(PanelCount, s.font(SettingsFont::PanelCount));
    s.font(SettingsFont::MainForm) = fontOf(this, s.font(SettingsFont::MainForm));

    // The favourites list holds the stored values only once its tab was
    // entered; before that the values read at start-up are written back.
    if (m_enteredFavorites) {
        s.font(SettingsFont::LBFavorites) = fontOf(LBFavorites, s.font(SettingsFont::LBFavorites));
        b.setLbFavoritesItemHeight(LBFavorites->itemHeight());
    }

    for (int k = 0; k < kSearchSlotCount; ++k)
        s.SearchSlots[static_cast<std::size_t>(k)] = st.Slots.Slots[static_cast<std::size_t>(k)];
    m_toolWindows->collect(s);
}

} // namespace qor
