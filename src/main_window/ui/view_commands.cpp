// Menu commands that change how the lists, captions and splitters look (row
// and caption heights, alternate-row percentages, splitter thickness,
// drop-down sizes, colours, fonts, lines) and the routines that apply those
// looks at start-up and after each change. Numbers are asked within the
// range of their Main.ini line.

#include "main_window/ui/view_commands.h"

#include "common_ui/dialog_provider.h"
#include "common_ui/stored_font.h"
#include "common_ui/view_colors.h"
#include "favorites/ui/favorites_list.h"
#include "main_window/ui/form_controls.h"
#include "main_window/ui/menu_command.h"
#include "main_window/ui/prompts.h"
#include "main_window/ui/reference_table_panel.h"
#include "recipe_list/ui/alt_lists.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/potion_list_view.h"
#include "recipe_list/ui/recipe_info_lists.h"
#include "session/program_state.h"
#include "settings/effect_symbol.h"
#include "visuals/ui/item_pictures.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>

#include <cmath>

namespace qor {

QColor MakeColor2(const QColor &base, int percent) {
    auto mix = [percent](int channel) {
        const double v = std::nearbyint(channel * (percent / 100.0)); // half to even
        return static_cast<int>(std::clamp(v, 0.0, 255.0));
    };
    return QColor(mix(base.red()), mix(base.green()), mix(base.blue()));
}

ViewCommands::ViewCommands(const WindowContext &ctx, Hooks hooks, const LookItems &looks)
    : m_ctx(ctx), m_ui(ctx.ui), m_hooks(std::move(hooks)), m_looks(looks) {}

void ViewCommands::rebuildRowPictures() {
    m_ctx.pictures.MakePictures(1, m_ui.LBPotion->itemHeight(), m_ctx.colors.Window.rgb(),
                                m_ctx.colors.PotionColor2.rgb(), m_ctx.colors.Highlight.rgb());
}

void ViewCommands::AltLBoxsSetView() {
    const MainSettings &s = m_ctx.state.session.settings();
    const FontSetting &f = s.font(SettingsFont::AltLists);
    const int height = s.block.clamped(Setting.AltListsItemHeight);
    for (OwnerDrawListView *list : {static_cast<OwnerDrawListView *>(m_ui.LbAltItemsList),
                                    static_cast<OwnerDrawListView *>(m_ui.LbAltEffectsList),
                                    static_cast<OwnerDrawListView *>(m_ui.LbAltAmountItems),
                                    static_cast<OwnerDrawListView *>(m_ui.LbAltAmountEffects)}) {
        applyStoredFont(list, f);
        list->setItemHeight(height);
    }
}

namespace {

// The stored form of a chosen colour: red in the low byte.
ColorCode codeOfColor(const QColor &c) {
    return static_cast<ColorCode>(c.red() | (c.green() << 8) | (c.blue() << 16));
}

} // namespace

void ViewCommands::cmdFont(QAction *, int target) {
    // The font settings of the choosers and of the alternative-making lists
    // are kept as face name and point size.
    const auto store = [this](SettingsFont which, const QFont &font) {
        m_ctx.state.session.setFont(which, font.family(), font.pointSize());
    };
    switch (static_cast<FontTarget>(target)) {
    case FontTarget::RecipeList:
        promptWidgetFont(m_ctx.dialogs, &m_ctx.window, m_ui.LBPotion);
        break;
    case FontTarget::Grid:
        promptWidgetFont(m_ctx.dialogs, &m_ctx.window, m_ui.StringGrid);
        break;
    case FontTarget::EffectInfo:
        promptWidgetFont(m_ctx.dialogs, &m_ctx.window, m_ui.LbEffectInfo);
        break;
    case FontTarget::Favorites:
        promptWidgetFont(m_ctx.dialogs, &m_ctx.window, m_ui.LBFavorites);
        break;
    case FontTarget::MainForm:
        if (promptWidgetFont(m_ctx.dialogs, &m_ctx.window, &m_ctx.window))
            m_hooks.mainFontChanged();
        break;
    case FontTarget::LocalMenuControl:
        promptWidgetFont(m_ctx.dialogs, &m_ctx.window, m_localMenuTarget);
        m_localMenuTarget = nullptr;
        break;
    case FontTarget::DropDown: {
        // Every chooser carries the drop-down font.
        const auto *chooser = m_ctx.window.findChild<ChooserComboBox *>();
        QFont font = chooser ? chooser->font() : m_ctx.window.font();
        if (PromptFont(m_ctx.dialogs, &m_ctx.window, font)) {
            store(SettingsFont::DropDown, font);
            SetComboBoxMode(&m_ctx.window);
            m_hooks.dropDownsChanged();
        }
        break;
    }
    case FontTarget::AltLists: {
        QFont font = m_ui.LbAltItemsList->font();
        if (PromptFont(m_ctx.dialogs, &m_ctx.window, font)) {
            store(SettingsFont::AltLists, font);
            AltLBoxsSetView();
        }
        break;
    }
    }
}

void ViewCommands::cmdColor(QAction *, int line) {
    // The colour shown now: the window's own for the colours it keeps, else
    // the stored one.
    const QColor *kept = line == Setting.CellLightColor.line   ? &m_ctx.colors.CellLightColor
                         : line == Setting.VertLineColor.line  ? &m_ctx.colors.VertLineColor
                         : line == Setting.PoisonEffColor.line ? &m_ctx.colors.PoisonEffColor
                         : line == Setting.GoodEffColor.line   ? &m_ctx.colors.GoodEffColor
                                                               : nullptr;
    const QColor current =
        kept ? *kept : colorFromCode(m_ctx.state.session.block().value(line), m_ctx.colors);
    const auto chosen = m_ctx.dialogs.chooseColor(&m_ctx.window, current);
    if (!chosen)
        return;
    m_ctx.state.session.setSettingValue(line, codeOfColor(*chosen));
    // The markers take the new colour at the next start.
    if (line == Setting.DefMarkerColor.line)
        m_ctx.dialogs.message(&m_ctx.window,
                              QStringLiteral("Изменения вступят после перезапуска программы    "));
}

void ViewCommands::cmdDrawVertLines(QAction *, int) {
    m_ctx.colors.DrawVertLines = m_ctx.state.session.block().get(Setting.DrawVertLines);
    m_ctx.colors.VertLineColor =
        colorFromCode(m_ctx.state.session.block().get(Setting.VertLineColor), m_ctx.colors);
    m_ui.LBPotion->viewport()->update();
}

void ViewCommands::cmdScrollBar(QAction *, int) {
    m_ui.ScrollBarLB->setVisible(m_ctx.state.session.block().get(Setting.MenuScrollForLBox));
    m_hooks.relayoutRecipeList();
}

void ViewCommands::cmdCellMarking(QAction *, int) {
    m_ui.LBPotion->clearLitRow();
    SetLBoxLightCellType();
    m_ui.LBPotion->viewport()->update();
}

void ViewCommands::cmdRecipeRowHeight(QAction *item, int line) {
    int value = 0;
    if (promptSetting(m_ctx.dialogs, &m_ctx.window, item, line, m_ui.LBPotion->itemHeight(), value)) {
        m_ui.LBPotion->setItemHeight(value);
        rebuildRowPictures();
        m_ui.LBPotion->viewport()->update();
    }
}

void ViewCommands::cmdGridRowHeight(QAction *item, int line) {
    const SettingsBlock &b = m_ctx.state.session.block();
    int value = 0;
    if (promptSetting(m_ctx.dialogs, &m_ctx.window, item, line, b.get(Setting.GridRowHeight), value)) {
        m_ctx.state.session.setSetting(Setting.GridRowHeight, value);
    }
}

void ViewCommands::cmdEffectRowHeight(QAction *item, int line) {
    int value = 0;
    if (promptSetting(m_ctx.dialogs, &m_ctx.window, item, line, m_ui.LbEffectInfo->itemHeight(), value))
        m_ui.LbEffectInfo->setItemHeight(value);
}

void ViewCommands::cmdFavoritesRowHeight(QAction *item, int line) {
    int value = 0;
    if (promptSetting(m_ctx.dialogs, &m_ctx.window, item, line, m_ui.LBFavorites->itemHeight(), value))
        m_ctx.state.session.setSetting(Setting.LbFavoritesItemHeight, value);
}

void ViewCommands::cmdAltRowHeight(QAction *item, int line) {
    const SettingsBlock &b = m_ctx.state.session.block();
    int value = 0;
    if (promptSetting(m_ctx.dialogs, &m_ctx.window, item, line, b.get(Setting.AltListsItemHeight), value))
        m_ctx.state.session.setSetting(Setting.AltListsItemHeight, value);
}

void ViewCommands::cmdCaptionHeight(QAction *item, int line) {
    QWidget *caption = line == Setting.PanelCapLBPotionsHeight.line
                           ? static_cast<QWidget *>(m_ui.PanelCapLBPotions)
                       : line == Setting.PanelCap2Height.line ? static_cast<QWidget *>(m_ui.PanelCap2)
                                                              : static_cast<QWidget *>(m_ui.PanelCapGrid);
    // A caption height is asked without bounds and limited afterwards.
    int value = 0;
    if (!PromptNumber(m_ctx.dialogs, &m_ctx.window, item, caption->height(), value, 2147483647, -2147483647))
        return;
    const SettingRange range = settingRow(line).range();
    caption->setFixedHeight(std::clamp(value, range.min, range.max));
    if (caption == m_ui.PanelCapLBPotions)
        m_hooks.relayoutRecipeList();
}

void ViewCommands::cmdRecipeHeaderHeight(QAction *item, int line) {
    int value = 0;
    if (promptSetting(m_ctx.dialogs, &m_ctx.window, item, line, m_ui.Header->height(), value)) {
        m_ui.Header->setFixedHeight(value);
        m_hooks.relayoutRecipeList();
    }
}

void ViewCommands::cmdEffectHeaderHeight(QAction *item, int line) {
    int value = 0;
    if (promptSetting(m_ctx.dialogs, &m_ctx.window, item, line, m_ui.HeaderEffInfo->height(), value))
        m_ui.HeaderEffInfo->setFixedHeight(value);
}

void ViewCommands::cmdGridHeaderHeight(QAction *item, int line) {
    int value = 0;
    if (promptSetting(m_ctx.dialogs, &m_ctx.window, item, line, m_ui.StringGrid->horizontalHeader()->height(),
                      value))
        m_ctx.state.session.setSetting(Setting.GridHeaderRowHeight, value);
}

void ViewCommands::cmdColor2(QAction *item, int line) {
    const SettingsBlock &b = m_ctx.state.session.block();
    int value = 0;
    if (promptSetting(m_ctx.dialogs, &m_ctx.window, item, line, b.value(line), value))
        m_ctx.state.session.setSettingValue(line, value);
}

void ViewCommands::cmdGrayDisabled(QAction *, int) {
    m_ctx.colors.grayDisabledItems = m_ctx.state.session.block().get(Setting.MenuCanGrayedDisabledItem);
    m_ctx.window.update();
    for (QWidget *w : m_ctx.window.findChildren<QWidget *>())
        w->update();
}

void ViewCommands::cmdSplitterThickness(QAction *item, int line) {
    int value = 0;
    if (promptSetting(m_ctx.dialogs, &m_ctx.window, item, line, m_splitterThickness, value)) {
        m_splitterThickness = value;
        SetSplittersHeight();
    }
}

void ViewCommands::cmdDropDownCount(QAction *item, int line) {
    const SettingsBlock &b = m_ctx.state.session.block();
    int value = 0;
    if (promptSetting(m_ctx.dialogs, &m_ctx.window, item, line, b.get(Setting.DropDownCount), value))
        m_ctx.state.session.setSetting(Setting.DropDownCount, value);
}

void ViewCommands::cmdEffectSymbol(QAction *item, int) {
    const auto text =
        m_ctx.dialogs.inputText(&m_ctx.window, item->text(), QString(m_ctx.colors.EffColorChar));
    if (!text || text->isEmpty())
        return;
    // Main.ini keeps the symbol as one byte of the Cyrillic code page.
    if (!effColorCharCode(text->at(0))) {
        m_ctx.dialogs.message(&m_ctx.window,
                              QStringLiteral("Символ \"%1\" нельзя сохранить в файле настроек. "
                                             "Выберите символ из кириллической кодовой страницы.")
                                  .arg(text->left(text->at(0).isHighSurrogate() ? 2 : 1)),
                              MessageIcon::Warning);
        return;
    }
    m_ctx.colors.EffColorChar = text->at(0);
    for (QWidget *child : m_ctx.window.findChildren<QWidget *>())
        child->update();
}

void ViewCommands::cmdFastFindTime(QAction *item, int line) {
    const SettingsBlock &b = m_ctx.state.session.block();
    int value = 0;
    if (promptSetting(m_ctx.dialogs, &m_ctx.window, item, line, b.get(Setting.FastFindTimeout), value))
        m_ctx.state.session.setSetting(Setting.FastFindTimeout, value);
}

void ViewCommands::cmdDragSetting(QAction *item, int line) {
    const SettingsBlock &b = m_ctx.state.session.block();
    int value = 0;
    if (promptSetting(m_ctx.dialogs, &m_ctx.window, item, line, b.clampedValue(line), value))
        m_ctx.state.session.setSettingValue(line, value);
}

void ViewCommands::connectLocalMenu() {
    for (QWidget *control : std::initializer_list<QWidget *>{m_ui.PanelCount, m_ui.HeaderEffInfo,
                                                             m_ui.LabelAddInfo, m_ui.LbItemsInfo}) {
        QObject::connect(control, &QWidget::customContextMenuRequested, &m_ctx.window,
                         [this, control](const QPoint &pos) {
                             m_localMenuTarget = control;
                             m_ui.PopupMenuLocal->popup(control->mapToGlobal(pos));
                         });
    }
}

void ViewCommands::followSettings() {
    QObject::connect(&m_ctx.state.session, &Session::settingChanged, &m_ctx.window,
                     [this](int line) { applySetting(line); });
}

void ViewCommands::applySetting(int line) {
    const SettingsBlock &b = m_ctx.state.session.block();
    switch (line) {
    case Setting.GridRowHeight.line:
    case Setting.GridHeaderRowHeight.line:
        SetGridRowHeight(b.clamped(Setting.GridRowHeight), b.clamped(Setting.GridHeaderRowHeight));
        break;
    case Setting.AltListsItemHeight.line:
        AltLBoxsSetView();
        break;
    case Setting.LbFavoritesItemHeight.line:
        m_ui.LBFavorites->setItemHeight(b.clamped(Setting.LbFavoritesItemHeight));
        break;
    case Setting.PotionColor2Percent.line:
    case Setting.GridColor2Percent.line:
    case Setting.EffInfoColor2Percent.line:
        MakeColor2();
        if (line == Setting.PotionColor2Percent.line)
            rebuildRowPictures();
        m_ui.LBPotion->viewport()->update();
        m_ui.LbEffectInfo->viewport()->update();
        m_ui.StringGrid->viewport()->update();
        break;
    case Setting.DropDownCount.line:
        SetComboBoxMode(&m_ctx.window);
        m_hooks.dropDownsChanged();
        break;
    case Setting.CellLightColor.line:
        m_ctx.colors.CellLightColor = colorFromCode(b.get(Setting.CellLightColor), m_ctx.colors);
        m_ui.LBPotion->viewport()->update();
        break;
    case Setting.VertLineColor.line:
        m_ctx.colors.VertLineColor = colorFromCode(b.get(Setting.VertLineColor), m_ctx.colors);
        m_ui.LBPotion->viewport()->update();
        break;
    case Setting.PoisonEffColor.line:
    case Setting.GoodEffColor.line:
        m_ctx.colors.PoisonEffColor = colorFromCode(b.get(Setting.PoisonEffColor), m_ctx.colors);
        m_ctx.colors.GoodEffColor = colorFromCode(b.get(Setting.GoodEffColor), m_ctx.colors);
        for (QWidget *child : m_ctx.window.findChildren<QWidget *>())
            child->update();
        break;
    case Setting.PicBgColor.line:
        m_hooks.refreshPictures();
        break;
    default:
        break;
    }
}

void ViewCommands::MakeColor2() {
    const SettingsBlock &b = m_ctx.state.session.block();
    const QColor window = m_ctx.window.palette().color(QPalette::Base);
    m_ctx.colors.PotionColor2 = qor::MakeColor2(window, b.get(Setting.PotionColor2Percent));
    m_gridColor2 = qor::MakeColor2(window, b.get(Setting.GridColor2Percent));
    if (m_ui.PanelGrid)
        m_ui.PanelGrid->setAlternateColor(m_gridColor2);
    m_ctx.colors.EffInfoColor2 = qor::MakeColor2(window, b.get(Setting.EffInfoColor2Percent));
}

void ViewCommands::SetLBoxLightCellType() {
    const bool light = m_ctx.state.session.block().get(Setting.MenuCanLightLBox);
    const bool frame = m_looks.frameCells->isChecked();
    m_ctx.colors.LightCellMode = (light ? 1 : 0) | (frame ? 2 : 0);
}

void ViewCommands::SetItemDisplayColor() {
    m_hooks.displayColor(colorFromCode(m_ctx.state.session.block().get(Setting.PicBgColor), m_ctx.colors),
                         m_looks.flyPicture->isChecked());
}

void ViewCommands::SetSplittersHeight() {
    for (QSplitter *splitter :
         {m_ui.MainSplitter, m_ui.PanelPotionInfo, m_ui.InfoMainSplitter, m_ui.HelpSplitter})
        splitter->setHandleWidth(m_splitterThickness);
    m_hooks.splittersChanged();
}

void ViewCommands::SetComboBoxMode(QWidget *window) {
    const SettingsBlock &b = m_ctx.state.session.block();
    const FontSetting &dropFont = m_ctx.state.session.settings().font(SettingsFont::DropDown);
    const QScreen *screen = window->screen();
    const int screenHeight = screen ? screen->geometry().height() : 768;
    for (QComboBox *combo : window->findChildren<QComboBox *>()) {
        const int top = combo->mapToGlobal(QPoint(0, 0)).y();
        const int rows = (screenHeight - top - 2 * combo->height()) / kChooserItemHeight;
        combo->setMaxVisibleItems(std::max(
            1, std::min(b.get(Setting.DropDownCount) > 0 ? b.get(Setting.DropDownCount) : 32, rows)));
        applyStoredFont(combo, dropFont);
    }
}

void ViewCommands::SetGridRowHeight(int rowHeight, int headerHeight) {
    m_ui.PanelGrid->setRowHeight(rowHeight, headerHeight);
}

void ViewCommands::cmdGridLines(QAction *, int) {
    const SettingsBlock &b = m_ctx.state.session.block();
    m_ui.PanelGrid->setLines(b.get(Setting.MenuGridLinesVer), b.get(Setting.MenuGridLinesHor));
}
} // namespace qor
