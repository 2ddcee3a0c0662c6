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
#include "main_window/ui/menu_command.h"
#include "main_window/ui/prompts.h"
#include "main_window/ui/recipe_list_widgets.h"
#include "main_window/ui/reference_table_panel.h"
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

ViewCommands::ViewCommands(const WindowContext &ctx, const Views &views, const LookItems &looks)
    : m_ctx(ctx), m_views(views), m_looks(looks) {}

void ViewCommands::rebuildRowPictures() {
    m_ctx.pictures.MakePictures(1, m_views.recipes.LBPotion->itemHeight(), m_ctx.colors.Window.rgb(),
                                m_ctx.colors.PotionColor2.rgb(), m_ctx.colors.Highlight.rgb());
}

namespace {

// The stored form of a chosen colour: red in the low byte.
ColorCode codeOfColor(const QColor &c) {
    return static_cast<ColorCode>(c.red() | (c.green() << 8) | (c.blue() << 16));
}

} // namespace

namespace {

// The stored font a local-menu control shows; nullopt for a control whose
// font Main.ini does not keep.
std::optional<SettingsFont> storedFontOfControl(const RecipeListWidgets &recipes, const QWidget *control) {
    if (control == recipes.PanelCount)
        return SettingsFont::PanelCount;
    if (control == recipes.LabelAddInfo)
        return SettingsFont::LabelAddInfo;
    if (control == recipes.LbItemsInfo)
        return SettingsFont::LbItemsInfo;
    return std::nullopt;
}

} // namespace

void ViewCommands::cmdFont(QAction *, int target) {
    // The font chosen becomes the session's; the controls that show it
    // follow. The dialog starts from the font of a control that shows it.
    const auto choose = [this](SettingsFont which, const QWidget *shownBy) {
        QFont font = shownBy->font();
        if (PromptFont(m_ctx.dialogs, &m_ctx.window, font))
            m_ctx.state.session.setFont(which, font.family(), font.pointSize());
    };
    const RecipeListWidgets &recipes = m_views.recipes;
    switch (static_cast<FontTarget>(target)) {
    case FontTarget::RecipeList:
        choose(SettingsFont::LBPotion, recipes.LBPotion);
        break;
    case FontTarget::Grid:
        choose(SettingsFont::StringGrid, m_views.grid.view());
        break;
    case FontTarget::EffectInfo:
        choose(SettingsFont::LbEffectInfo, recipes.LbEffectInfo);
        break;
    case FontTarget::Favorites:
        choose(SettingsFont::LBFavorites, &m_views.favorites);
        break;
    case FontTarget::MainForm:
        choose(SettingsFont::MainForm, &m_ctx.window);
        break;
    case FontTarget::LocalMenuControl:
        if (const auto which = storedFontOfControl(recipes, m_localMenuTarget))
            choose(*which, m_localMenuTarget);
        else
            promptWidgetFont(m_ctx.dialogs, &m_ctx.window, m_localMenuTarget);
        m_localMenuTarget = nullptr;
        break;
    case FontTarget::DropDown: {
        // Every chooser carries the drop-down font.
        const auto *chooser = m_ctx.window.findChild<ChooserComboBox *>();
        choose(SettingsFont::DropDown, chooser ? static_cast<const QWidget *>(chooser) : &m_ctx.window);
        break;
    }
    case FontTarget::AltLists:
        choose(SettingsFont::AltLists, &m_views.altLists);
        break;
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

void ViewCommands::cmdCellMarking(QAction *, int) {
    applyCellMarking();
}

void ViewCommands::applyCellMarking() {
    m_views.recipes.LBPotion->clearLitRow();
    SetLBoxLightCellType();
    m_views.recipes.LBPotion->viewport()->update();
}

void ViewCommands::cmdRecipeRowHeight(QAction *item, int line) {
    int value = 0;
    if (promptSetting(m_ctx.dialogs, &m_ctx.window, item, line, m_views.recipes.LBPotion->itemHeight(),
                      value))
        m_ctx.state.session.setSettingValue(line, value);
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
    if (promptSetting(m_ctx.dialogs, &m_ctx.window, item, line, m_views.recipes.LbEffectInfo->itemHeight(),
                      value))
        m_ctx.state.session.setSettingValue(line, value);
}

void ViewCommands::cmdFavoritesRowHeight(QAction *item, int line) {
    int value = 0;
    if (promptSetting(m_ctx.dialogs, &m_ctx.window, item, line, m_views.favorites.itemHeight(), value))
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
                           ? static_cast<QWidget *>(m_views.recipes.PanelCapLBPotions)
                       : line == Setting.PanelCap2Height.line
                           ? static_cast<QWidget *>(m_views.recipes.PanelCap2)
                           : static_cast<QWidget *>(m_views.grid.caption());
    // A caption height is asked without bounds and limited afterwards.
    int value = 0;
    if (!PromptNumber(m_ctx.dialogs, &m_ctx.window, item, caption->height(), value, 2147483647, -2147483647))
        return;
    const SettingRange range = settingRow(line).range();
    m_ctx.state.session.setSettingValue(line, std::clamp(value, range.min, range.max));
}

void ViewCommands::cmdRecipeHeaderHeight(QAction *item, int line) {
    int value = 0;
    if (promptSetting(m_ctx.dialogs, &m_ctx.window, item, line, m_views.recipes.Header->height(), value))
        m_ctx.state.session.setSettingValue(line, value);
}

void ViewCommands::cmdEffectHeaderHeight(QAction *item, int line) {
    int value = 0;
    if (promptSetting(m_ctx.dialogs, &m_ctx.window, item, line, m_views.recipes.HeaderEffInfo->height(),
                      value))
        m_ctx.state.session.setSettingValue(line, value);
}

void ViewCommands::cmdGridHeaderHeight(QAction *item, int line) {
    int value = 0;
    if (promptSetting(m_ctx.dialogs, &m_ctx.window, item, line,
                      m_views.grid.view()->horizontalHeader()->height(), value))
        m_ctx.state.session.setSetting(Setting.GridHeaderRowHeight, value);
}

void ViewCommands::cmdColor2(QAction *item, int line) {
    const SettingsBlock &b = m_ctx.state.session.block();
    int value = 0;
    if (promptSetting(m_ctx.dialogs, &m_ctx.window, item, line, b.value(line), value))
        m_ctx.state.session.setSettingValue(line, value);
}

void ViewCommands::cmdSplitterThickness(QAction *item, int line) {
    int value = 0;
    if (promptSetting(m_ctx.dialogs, &m_ctx.window, item, line, m_splitterThickness, value))
        m_ctx.state.session.setSetting(Setting.SplitterThickness, value);
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
    const auto code = effColorCharCode(text->at(0));
    if (!code) {
        m_ctx.dialogs.message(&m_ctx.window,
                              QStringLiteral("Символ \"%1\" нельзя сохранить в файле настроек. "
                                             "Выберите символ из кириллической кодовой страницы.")
                                  .arg(text->left(text->at(0).isHighSurrogate() ? 2 : 1)),
                              MessageIcon::Warning);
        return;
    }
    m_ctx.state.session.setSetting(Setting.EffColorChar, *code);
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

void ViewCommands::connectLocalMenu(QMenu &localMenu) {
    for (QWidget *control :
         std::initializer_list<QWidget *>{m_views.recipes.PanelCount, m_views.recipes.HeaderEffInfo,
                                          m_views.recipes.LabelAddInfo, m_views.recipes.LbItemsInfo}) {
        QObject::connect(control, &QWidget::customContextMenuRequested, &m_ctx.window,
                         [this, control, &localMenu](const QPoint &pos) {
                             m_localMenuTarget = control;
                             localMenu.popup(control->mapToGlobal(pos));
                         });
    }
}

void ViewCommands::followSettings() {
    QObject::connect(&m_ctx.state.session, &Session::settingChanged, &m_ctx.window,
                     [this](int line) { applySetting(line); });
    QObject::connect(&m_ctx.state.session, &Session::fontChanged, &m_ctx.window,
                     [this](SettingsFont which) { applyFont(which); });
}

void ViewCommands::applyFont(SettingsFont which) {
    const FontSetting &stored = m_ctx.state.session.settings().font(which);
    switch (which) {
    case SettingsFont::MainForm:
        applyStoredFont(&m_ctx.window, stored);
        Q_EMIT mainFontChanged(m_ctx.window.font());
        break;
    case SettingsFont::DropDown:
        SetComboBoxMode(&m_ctx.window);
        Q_EMIT dropDownsChanged();
        break;
    default: // the parts that own the other controls follow their fonts
        break;
    }
}

void ViewCommands::repaintWindow() {
    m_ctx.window.update();
    for (QWidget *child : m_ctx.window.findChildren<QWidget *>())
        child->update();
}

void ViewCommands::applyLookFlags() {
    for (const FlagKey flag : {Setting.MenuScrollForLBox, Setting.DrawVertLines, Setting.MenuCanLightLBox,
                               Setting.MenuGridLinesVer, Setting.MenuCanGrayedDisabledItem})
        applySetting(flag.line);
}

void ViewCommands::applySetting(int line) {
    const SettingsBlock &b = m_ctx.state.session.block();
    const RecipeListWidgets &recipes = m_views.recipes;
    switch (line) {
    case Setting.MenuScrollForLBox.line:
        recipes.ScrollBarLB->setVisible(b.get(Setting.MenuScrollForLBox));
        Q_EMIT recipeListHeightsChanged();
        break;
    case Setting.DrawVertLines.line:
        m_ctx.colors.DrawVertLines = b.get(Setting.DrawVertLines);
        recipes.LBPotion->viewport()->update();
        break;
    case Setting.MenuCanLightLBox.line:
        applyCellMarking();
        break;
    case Setting.MenuGridLinesVer.line:
    case Setting.MenuGridLinesHor.line:
        m_views.grid.setLines(b.get(Setting.MenuGridLinesVer), b.get(Setting.MenuGridLinesHor));
        break;
    case Setting.MenuCanGrayedDisabledItem.line:
        m_ctx.colors.grayDisabledItems = b.get(Setting.MenuCanGrayedDisabledItem);
        repaintWindow();
        break;
    case Setting.EffColorChar.line:
        m_ctx.colors.EffColorChar = effColorCharOf(b.get(Setting.EffColorChar));
        repaintWindow();
        break;
    case Setting.SplitterThickness.line:
        m_splitterThickness = b.clamped(Setting.SplitterThickness);
        SetSplittersHeight();
        break;
    case Setting.LbPotionItemHeight.line:
        recipes.LBPotion->setItemHeight(b.clamped(Setting.LbPotionItemHeight));
        rebuildRowPictures();
        recipes.LBPotion->viewport()->update();
        break;
    case Setting.LbEffectInfoItemHeight.line:
        recipes.LbEffectInfo->setItemHeight(b.clamped(Setting.LbEffectInfoItemHeight));
        break;
    case Setting.HeaderHeight.line:
        recipes.Header->setFixedHeight(b.clamped(Setting.HeaderHeight));
        Q_EMIT recipeListHeightsChanged();
        break;
    case Setting.HeaderEffInfoHeight.line:
        recipes.HeaderEffInfo->setFixedHeight(b.clamped(Setting.HeaderEffInfoHeight));
        break;
    case Setting.PanelCapLBPotionsHeight.line:
        recipes.PanelCapLBPotions->setFixedHeight(b.clamped(Setting.PanelCapLBPotionsHeight));
        Q_EMIT recipeListHeightsChanged();
        break;
    case Setting.PanelCap2Height.line:
        recipes.PanelCap2->setFixedHeight(b.clamped(Setting.PanelCap2Height));
        break;
    case Setting.PanelCapGridHeight.line:
        m_views.grid.caption()->setFixedHeight(b.clamped(Setting.PanelCapGridHeight));
        break;
    case Setting.GridRowHeight.line:
    case Setting.GridHeaderRowHeight.line:
        SetGridRowHeight(b.clamped(Setting.GridRowHeight), b.clamped(Setting.GridHeaderRowHeight));
        break;
    case Setting.PotionColor2Percent.line:
    case Setting.GridColor2Percent.line:
    case Setting.EffInfoColor2Percent.line:
        MakeColor2();
        if (line == Setting.PotionColor2Percent.line)
            rebuildRowPictures();
        m_views.recipes.LBPotion->viewport()->update();
        m_views.recipes.LbEffectInfo->viewport()->update();
        m_views.grid.view()->viewport()->update();
        break;
    case Setting.DropDownCount.line:
        SetComboBoxMode(&m_ctx.window);
        Q_EMIT dropDownsChanged();
        break;
    case Setting.CellLightColor.line:
        m_ctx.colors.CellLightColor = colorFromCode(b.get(Setting.CellLightColor), m_ctx.colors);
        m_views.recipes.LBPotion->viewport()->update();
        break;
    case Setting.VertLineColor.line:
        m_ctx.colors.VertLineColor = colorFromCode(b.get(Setting.VertLineColor), m_ctx.colors);
        m_views.recipes.LBPotion->viewport()->update();
        break;
    case Setting.PoisonEffColor.line:
    case Setting.GoodEffColor.line:
        m_ctx.colors.PoisonEffColor = colorFromCode(b.get(Setting.PoisonEffColor), m_ctx.colors);
        m_ctx.colors.GoodEffColor = colorFromCode(b.get(Setting.GoodEffColor), m_ctx.colors);
        repaintWindow();
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
    m_views.grid.setAlternateColor(m_gridColor2);
    m_ctx.colors.EffInfoColor2 = qor::MakeColor2(window, b.get(Setting.EffInfoColor2Percent));
}

void ViewCommands::SetLBoxLightCellType() {
    const bool light = m_ctx.state.session.block().get(Setting.MenuCanLightLBox);
    const bool frame = m_looks.frameCells->isChecked();
    m_ctx.colors.LightCellMode = (light ? 1 : 0) | (frame ? 2 : 0);
}

void ViewCommands::SetSplittersHeight() {
    for (QSplitter *splitter : m_views.splitters)
        splitter->setHandleWidth(m_splitterThickness);
    Q_EMIT splittersChanged(m_splitterThickness);
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
    m_views.grid.setRowHeight(rowHeight, headerHeight);
}

} // namespace qor
