// The saved state and the controls: applied once at start-up, collected once
// at shutdown. Values of parts this version does not build yet stay in the
// settings untouched and are written back as read.

#include "main_window/ui/form_main.h"

#include "main_window/stored_geometry.h"

#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/favorites_list.h"
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

    action(QStringLiteral("MenuGridLines_hor"))->setChecked(b.menuGridLinesHor());
    action(QStringLiteral("MenuGridLines_ver"))->setChecked(b.menuGridLinesVer());
    SetGridRowHeight(std::clamp(b.gridRowHeight(), 10, 100), std::clamp(b.gridHeaderRowHeight(), 1, 50));
    // The sort itself runs once the row map is set up (start-up sequence).
    st.Grid.GridSortCode = std::clamp(b.gridSortCode(), -kMaxGridFindCol, kMaxGridFindCol);
    st.Grid.GridFindCol = normalizeGridFindCol(b.gridFindCol());

    applyRegionSizes();

    LBPotion->setItemHeight(std::clamp(b.lbPotionItemHeight(), 10, 100));
    Header->setFixedHeight(std::clamp(b.headerHeight(), 1, 50));
    m_splitterThickness = std::clamp(b.splitterThickness(), 1, 50);
    action(QStringLiteral("MenuCanQuickSearsh"))->setChecked(b.menuCanQuickSearsh());
    PanelCapLBPotions->setFixedHeight(std::clamp(b.panelCapLBPotionsHeight(), 0, 50));
    PanelCap2->setFixedHeight(std::clamp(b.panelCap2Height(), 0, 50));
    PanelCapGrid->setFixedHeight(std::clamp(b.panelCapGridHeight(), 0, 50));
    action(QStringLiteral("MenuShowHints"))->setChecked(b.menuShowHints());
    HeaderEffInfo->setFixedHeight(std::clamp(b.headerEffInfoHeight(), 1, 50));
    LbEffectInfo->setItemHeight(std::clamp(b.lbEffectInfoItemHeight(), 10, 50));
    st.Potions.PotionSortCode = std::clamp(b.potionSortCode(), -25, 25);

    m_colors.PoisonEffColor = colorFromCode(b.poisonEffColor(), m_colors);
    m_colors.GoodEffColor = colorFromCode(b.goodEffColor(), m_colors);
    m_colors.PotionFindCol = b.potionFindCol();
    m_colors.CellLightColor = colorFromCode(b.cellLightColor(), m_colors);
    m_colors.DrawVertLines = b.drawVertLines();
    m_colors.VertLineColor = colorFromCode(b.vertLineColor(), m_colors);
    m_colors.EffColorChar = charFromCode(b.effColorChar());
    m_colors.grayDisabledItems = b.menuCanGrayedDisabledItem();

    action(QStringLiteral("MenuFastFindStartWithCurElement"))
        ->setChecked(b.menuFastFindStartWithCurElement());
    action(QStringLiteral("MenuCanGrayedDisabledItem"))->setChecked(b.menuCanGrayedDisabledItem());
    action(QStringLiteral("MenuScrollForLBox"))->setChecked(b.menuScrollForLBox());
    action(QStringLiteral("MenuCanLightLBox"))->setChecked(b.menuCanLightLBox());
    action(QStringLiteral("MenuCanDrawLines"))->setChecked(b.drawVertLines());
    action(QStringLiteral("MenuShowFormFavorites"))->setChecked(b.menuShowFormFavorites());
    action(QStringLiteral("MenuShowUsedItemsList"))->setChecked(b.menuShowUsedItemsList());
    action(QStringLiteral("MenuDragShowShadow"))->setChecked(b.dragShadow());
    action(QStringLiteral("MenuDragTranspatenrMode"))->setChecked(b.dragShapedMode());
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
    LBFavorites->setItemHeight(std::clamp(s.block.lbFavoritesItemHeight(), 10, 100));
}

void TFormMain::collectSettings() {
    ProgramState &st = *m_state;
    MainSettings &s = st.Settings;
    SettingsBlock &b = s.block;

    for (int k = 0; k < Header->count() && k < static_cast<int>(s.headerWidths.size()); ++k)
        s.headerWidths[static_cast<std::size_t>(k)] = Header->sectionSize(k);
    for (int k = 0; k < HeaderEffInfo->count() && k < static_cast<int>(s.headerEffInfoWidths.size()); ++k)
        s.headerEffInfoWidths[static_cast<std::size_t>(k)] = HeaderEffInfo->sectionSize(k);
    if (StringGrid->model()) {
        for (int k = 0;
             k < StringGrid->horizontalHeader()->count() && k < static_cast<int>(s.gridColumnWidths.size());
             ++k)
            s.gridColumnWidths[static_cast<std::size_t>(k)] = StringGrid->columnWidth(k);
    }

    b.setGridSortCode(m_state->Grid.GridSortCode);
    b.setGridFindCol(m_state->Grid.GridFindCol);
    b.setMenuGridLinesHor(action(QStringLiteral("MenuGridLines_hor"))->isChecked());
    b.setMenuGridLinesVer(action(QStringLiteral("MenuGridLines_ver"))->isChecked());
    b.setPanelItemDisplayWidth(PanelItemDisplay->width());
    b.setPanelPotionInfoHeight(heightOf(PanelPotionInfo));
    b.setPanelLbPotionsMainHeight(heightOf(PanelLbPotionsMain));
    b.setPageControlHeight(heightOf(PageControl));
    b.setLbPotionItemHeight(LBPotion->itemHeight());
    b.setHeaderHeight(Header->height());
    b.setSplitterThickness(m_splitterThickness);
    b.setMenuCanQuickSearsh(action(QStringLiteral("MenuCanQuickSearsh"))->isChecked());
    b.setPanelAddInfoWidth(PanelAddInfo->width());
    b.setPanelPotionTypeWidth(PanelPotionType->width());
    b.setPanelCapLBPotionsHeight(PanelCapLBPotions->height());
    b.setPanelCap2Height(PanelCap2->height());
    b.setPanelCapGridHeight(PanelCapGrid->height());
    const QModelIndex gridIndex = StringGrid->currentIndex();
    if (gridIndex.isValid())
        b.setGridSelRow(gridIndex.row() + 1);
    b.setMenuShowHints(action(QStringLiteral("MenuShowHints"))->isChecked());
    if (const auto code = effColorCharCode(m_colors.EffColorChar))
        b.setEffColorChar(*code);
    b.setPanelEffInfoWidth(PanelEffInfo->width());
    b.setHeaderEffInfoHeight(HeaderEffInfo->height());
    b.setLbEffectInfoItemHeight(LbEffectInfo->itemHeight());
    b.setPotionSortCode(st.Potions.PotionSortCode);
    b.setPanelInfoMainWidth(PanelInfoMain->width());
    b.setPotionFindCol(m_colors.PotionFindCol);
    b.setMenuFastFindStartWithCurElement(
        action(QStringLiteral("MenuFastFindStartWithCurElement"))->isChecked());
    b.setMenuCanGrayedDisabledItem(action(QStringLiteral("MenuCanGrayedDisabledItem"))->isChecked());
    b.setMenuScrollForLBox(action(QStringLiteral("MenuScrollForLBox"))->isChecked());
    b.setMenuCanLightLBox(action(QStringLiteral("MenuCanLightLBox"))->isChecked());
    b.setDrawVertLines(action(QStringLiteral("MenuCanDrawLines"))->isChecked());
    b.setMenuShowFormFavorites(action(QStringLiteral("MenuShowFormFavorites"))->isChecked());
    b.setMenuShowUsedItemsList(action(QStringLiteral("MenuShowUsedItemsList"))->isChecked());
    b.setDragShadow(action(QStringLiteral("MenuDragShowShadow"))->isChecked());
    b.setDragShapedMode(action(QStringLiteral("MenuDragTranspatenrMode"))->isChecked());
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
}

} // namespace qor
