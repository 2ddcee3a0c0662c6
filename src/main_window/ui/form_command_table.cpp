// The command table: every item of the main menu and of the four context
// menus in the order they appear. Menus, shortcuts, check states, the flags
// kept in Main.ini, enabling and dispatch all come from these rows.

#include "drag_drop/ui/drag_controller.h"
#include "help/ui/help_panel.h"
#include "input/ui/find_dialog.h"
#include "main_window/ui/favorites_tab.h"
#include "main_window/ui/form_main.h"
#include "main_window/ui/picture_region.h"
#include "main_window/ui/prompts.h"
#include "main_window/ui/recipe_list_region.h"
#include "main_window/ui/reference_table_panel.h"
#include "main_window/ui/search_inputs.h"
#include "main_window/ui/tool_windows.h"
#include "main_window/ui/view_commands.h"
#include "settings/settings_block.h"

#include <QListWidget>

namespace qor {

namespace {

using Row = MenuCommand;
using M = MenuId;
using S = MenuCommand::State;
using C = MenuCommand::Check;

constexpr Row subMenu(MenuId parent, MenuId opens, const char *caption, const char *name = nullptr) {
    return Row{.kind = Row::Kind::Menu, .menu = parent, .name = name, .caption = caption, .opens = opens};
}

constexpr Row separator(MenuId menu) {
    return Row{.kind = Row::Kind::Separator, .menu = menu};
}

constexpr int fontArg(FontTarget target) {
    return static_cast<int>(target);
}

} // namespace

std::span<const MenuCommand> TFormMain::commandTable() {
    using F = TFormMain;
    using V = ViewCommands;
    using R = RecipeListRegion;
    // One row per line, read as a table.
    // clang-format off
    static const Row rows[] = {
        subMenu(M::Bar, M::File, "Меню"),
        {.menu = M::File, .name = "MenuExit", .caption = "Выход", .shortcut = Qt::ALT | Qt::Key_X, .run = &F::cmdExit, .fills = [](MenuItems &m, QAction *item) { m.exits[0] = item; }},
        separator(M::File),
        {.menu = M::File, .name = "MenuExitNoSave", .caption = "Выход без сохранения", .shortcut = Qt::CTRL | Qt::SHIFT | Qt::ALT | Qt::Key_X, .run = &F::cmdExit, .arg = 1, .fills = [](MenuItems &m, QAction *item) { m.exits[1] = item; }},

        subMenu(M::Bar, M::View, "Вид"),
        {.menu = M::View, .name = "MenuLbPotionDirectFloatingMode", .caption = "Развернуть список рецептов на весь экран", .shortcut = QKeyCombination(Qt::Key_F6), .check = C::Off, .call = [](F &f, QAction *, int) { f.ToggleFullScreen(true); }, .fills = [](MenuItems &m, QAction *item) { m.fullScreen.recipeList = item; }},
        {.menu = M::View, .name = "MenuGridDirectFloatingMode", .caption = "Развернуть справочную таблицу на весь экран", .shortcut = QKeyCombination(Qt::Key_F7), .check = C::Off, .call = [](F &f, QAction *, int) { f.ToggleFullScreen(false); }, .fills = [](MenuItems &m, QAction *item) { m.fullScreen.grid = item; }},
        {.menu = M::View, .name = "MenuShowFormFavorites", .caption = "Показать списки избранных ингредиентов и эффектов", .shortcut = QKeyCombination(Qt::Key_F8), .check = C::Off, .state = S::CheckOnly, .setting = Setting.MenuShowFormFavorites},
        {.menu = M::View, .name = "MenuShowUsedItemsList", .caption = "Показать список с возможными ингредиентами", .shortcut = QKeyCombination(Qt::Key_F12), .check = C::Off, .state = S::CheckOnly, .setting = Setting.MenuShowUsedItemsList},
        separator(M::View),

        subMenu(M::View, M::ViewRecipes, "Список рецептов"),
        {.menu = M::ViewRecipes, .name = "MenuCanDrawLines", .caption = "Верт. линии", .check = C::Off, .state = S::CheckOnly, .setting = Setting.DrawVertLines},
        {.menu = M::ViewRecipes, .name = "MenuLbPotionItemHeight", .caption = "Высота строк", .call = &F::onView<&V::cmdRecipeRowHeight>, .arg = Setting.LbPotionItemHeight.line},
        {.menu = M::ViewRecipes, .name = "MenuHeightCap1", .caption = "Высота заголовка", .call = &F::onView<&V::cmdCaptionHeight>, .arg = Setting.PanelCapLBPotionsHeight.line},
        {.menu = M::ViewRecipes, .name = "MenuHeaderHeight", .caption = "Высота кнопок заголовка", .call = &F::onView<&V::cmdRecipeHeaderHeight>, .arg = Setting.HeaderHeight.line},
        {.menu = M::ViewRecipes, .name = "MenuScrollForLBox", .caption = "Полоса прокрутки", .check = C::Off, .state = S::CheckOnly, .setting = Setting.MenuScrollForLBox},
        {.menu = M::ViewRecipes, .name = "MenuCanLightLBox", .caption = "Подсвечивать ячейки", .check = C::Off, .state = S::CheckOnly, .setting = Setting.MenuCanLightLBox},
        {.menu = M::ViewRecipes, .name = "MenuCanFrameLBoxCell", .caption = "Выделять рамкой ячейки", .check = C::Off, .call = &F::onView<&V::cmdCellMarking>, .fills = [](MenuItems &m, QAction *item) { m.looks.frameCells = item; }},
        {.menu = M::ViewRecipes, .name = "MenuColorLightLbox", .caption = "Цвет подсветки ячеек", .call = &F::onView<&V::cmdColor>, .arg = Setting.CellLightColor.line},
        {.menu = M::ViewRecipes, .name = "MenuColor2LBox", .caption = "Цвет чередования строк (%)", .call = &F::onView<&V::cmdColor2>, .arg = Setting.PotionColor2Percent.line},
        {.menu = M::ViewRecipes, .name = "MenuColorLBoxLines", .caption = "Цвет верт. линий", .call = &F::onView<&V::cmdColor>, .arg = Setting.VertLineColor.line},
        {.menu = M::ViewRecipes, .name = "MenuLbPotionsFont", .caption = "Шрифт", .call = &F::onView<&V::cmdFont>, .arg = fontArg(FontTarget::RecipeList)},

        subMenu(M::View, M::ViewTable, "Справочная таблица"),
        {.menu = M::ViewTable, .name = "MenuGridLines_ver", .caption = "Верт. линии", .check = C::On, .state = S::CheckOnly, .setting = Setting.MenuGridLinesVer},
        {.menu = M::ViewTable, .name = "MenuGridLines_hor", .caption = "Гор. линии", .check = C::Off, .state = S::CheckOnly, .setting = Setting.MenuGridLinesHor},
        {.menu = M::ViewTable, .name = "MenuGridItemHeight", .caption = "Высота строк", .call = &F::onView<&V::cmdGridRowHeight>, .arg = Setting.GridRowHeight.line},
        {.menu = M::ViewTable, .name = "MenuHeightCap3", .caption = "Высота заголовка", .call = &F::onView<&V::cmdCaptionHeight>, .arg = Setting.PanelCapGridHeight.line},
        {.menu = M::ViewTable, .name = "MenuGridHeaderHeight", .caption = "Высота кнопок заголовка", .call = &F::onView<&V::cmdGridHeaderHeight>, .arg = Setting.GridHeaderRowHeight.line},
        {.menu = M::ViewTable, .name = "MenuColor2Grid", .caption = "Цвет чередования (%)", .call = &F::onView<&V::cmdColor2>, .arg = Setting.GridColor2Percent.line},
        {.menu = M::ViewTable, .name = "MenuGridFont", .caption = "Шрифт", .call = &F::onView<&V::cmdFont>, .arg = fontArg(FontTarget::Grid)},

        subMenu(M::View, M::ViewEffects, "Список эффектов рецепта"),
        {.menu = M::ViewEffects, .name = "MenuHeaderEffInfoHeight", .caption = "Высота кнопок заголовка", .call = &F::onView<&V::cmdEffectHeaderHeight>, .arg = Setting.HeaderEffInfoHeight.line},
        {.menu = M::ViewEffects, .name = "MenuLbEffectInfoItemHeight", .caption = "Высота строк", .call = &F::onView<&V::cmdEffectRowHeight>, .arg = Setting.LbEffectInfoItemHeight.line},
        {.menu = M::ViewEffects, .name = "MenuColor2LbEff", .caption = "Цвет чередования строк (%)", .call = &F::onView<&V::cmdColor2>, .arg = Setting.EffInfoColor2Percent.line},
        {.menu = M::ViewEffects, .name = "MenuLbEffectInfoFont", .caption = "Шрифт", .call = &F::onView<&V::cmdFont>, .arg = fontArg(FontTarget::EffectInfo)},

        subMenu(M::View, M::ViewDrag, "Перетаскивание"),
        {.menu = M::ViewDrag, .name = "MenuDragTranspatenrMode", .caption = "Объект сложной формы", .check = C::Off, .state = S::CheckOnly, .setting = Setting.DragShapedMode},
        {.menu = M::ViewDrag, .name = "MenuDragBlend", .caption = "Прозрачность 0..255", .call = &F::onView<&V::cmdDragSetting>, .arg = Setting.DragBlend.line},
        {.menu = M::ViewDrag, .name = "MenuDragImageSize", .caption = "Размер картинки", .call = &F::onView<&V::cmdDragSetting>, .arg = Setting.DragImageSize.line},
        {.menu = M::ViewDrag, .name = "MenuDragShowShadow", .caption = "Рисовать тень", .check = C::Off, .state = S::CheckOnly, .setting = Setting.DragShadow},
        {.menu = M::ViewDrag, .name = "MenuDragFontColor", .caption = "Цвет текста", .call = [](F &f, QAction *, int) { f.m_drag->chooseTextColor(); }},
        {.menu = M::ViewDrag, .name = "MenuFontDrag", .caption = "Шрифт", .call = [](F &f, QAction *, int) { QFont font = f.m_drag->dragFont(); if (qor::PromptFont(f.m_dialogs, &f, font)) f.m_drag->setDragFont(font); }},

        subMenu(M::View, M::ViewMisc, "Разное"),
        {.menu = M::ViewMisc, .name = "MenuCanGrayedDisabledItem", .caption = "Затемнять неактивный элемент списков", .check = C::Off, .state = S::CheckOnly, .setting = Setting.MenuCanGrayedDisabledItem},
        {.menu = M::ViewMisc, .name = "MenuSplitterHeight", .caption = "Толщина активных разделительных линий", .call = &F::onView<&V::cmdSplitterThickness>, .arg = Setting.SplitterThickness.line},
        {.menu = M::ViewMisc, .name = "MenuSetDropDownCount", .caption = "Кол-во элементов выпадающих списков", .call = &F::onView<&V::cmdDropDownCount>, .arg = Setting.DropDownCount.line},
        {.menu = M::ViewMisc, .name = "MenuCharEffectType", .caption = "Символ показывающий цвет эффекта", .call = &F::onView<&V::cmdEffectSymbol>},
        // The hint filter and the cell hints read the flag.
        {.menu = M::ViewMisc, .name = "MenuShowHints", .caption = "Показывать всплывающие подсказки", .check = C::Off, .state = S::CheckOnly, .setting = Setting.MenuShowHints},
        {.menu = M::ViewMisc, .name = "MenuFlyPictureMode", .caption = "Вырезать окно под картинкой", .check = C::Off, .call = [](F &f, QAction *, int) { f.m_picture->pictureRefresh(); }, .fills = [](MenuItems &m, QAction *item) { m.looks.flyPicture = item; }},

        separator(M::View),
        {.menu = M::View, .name = "MenuCLbUsedItemHeight", .caption = "Высота строк списка возможных ингредиентов", .call = [](F &f, QAction *item, int) { f.m_toolWindows->promptUsedItemsRowHeight(item); }},
        {.menu = M::View, .name = "MenuLbFavoritesItemHeight", .caption = "Высота строк списка избранного", .call = &F::onView<&V::cmdFavoritesRowHeight>, .arg = Setting.LbFavoritesItemHeight.line},
        {.menu = M::View, .name = "MenuItemHeightAltLBoxs", .caption = "Высота строк списков альтернативного создания зелья", .call = &F::onView<&V::cmdAltRowHeight>, .arg = Setting.AltListsItemHeight.line},
        {.menu = M::View, .name = "MenuHelpItemHeight", .caption = "Высота строк справки", .call = [](F &f, QAction *item, int) { int h = 0; if (qor::promptSetting(f.m_dialogs, &f, item, Setting.HelpItemHeight.line, f.m_help->itemHeight(), h)) f.m_state->session.setSetting(Setting.HelpItemHeight, h); }},
        {.menu = M::View, .name = "MenuHeightCap2", .caption = "Высота заголовка списка компонентов", .call = &F::onView<&V::cmdCaptionHeight>, .arg = Setting.PanelCap2Height.line},

        subMenu(M::Bar, M::Find, "Найти"),
        {.menu = M::Find, .name = "MenuFindInPotions", .caption = "Найти в списке рецептов", .shortcut = Qt::CTRL | Qt::Key_F, .call = [](F &f, QAction *, int) { f.m_finder->MenuFindInPotions(); }},
        {.menu = M::Find, .name = "MenuFindNext", .caption = "Продолжить поиск", .shortcut = QKeyCombination(Qt::Key_F3), .call = [](F &f, QAction *, int) { f.m_finder->MenuFindNext(); }},

        subMenu(M::Bar, M::Fonts, "Шрифт"),
        {.menu = M::Fonts, .name = "MenuFontComboBox", .caption = "Шрифт открывающихся списков", .call = &F::onView<&V::cmdFont>, .arg = fontArg(FontTarget::DropDown)},
        {.menu = M::Fonts, .name = "MenuFontUsedItems", .caption = "Шрифт списка возможных ингредиентов", .call = [](F &f, QAction *, int) { f.m_toolWindows->promptUsedItemsFont(); }},
        {.menu = M::Fonts, .name = "MenuFontFavorites", .caption = "Шрифт списка избранного", .call = &F::onView<&V::cmdFont>, .arg = fontArg(FontTarget::Favorites)},
        {.menu = M::Fonts, .name = "MenuHelpFont", .caption = "Шрифт справки", .call = [](F &f, QAction *, int) { QFont font = f.LbHelp->font(); if (qor::PromptFont(f.m_dialogs, &f, font)) f.m_help->setHelpFont(font); }},
        {.menu = M::Fonts, .name = "MenuFontMainForm", .caption = "Шрифт главного окна", .call = &F::onView<&V::cmdFont>, .arg = fontArg(FontTarget::MainForm)},
        {.menu = M::Fonts, .name = "MenuFontAltLBoxs", .caption = "Шрифт списков альтернативного создания зелья", .call = &F::onView<&V::cmdFont>, .arg = fontArg(FontTarget::AltLists)},

        subMenu(M::Bar, M::Colors, "Цвет"),
        {.menu = M::Colors, .name = "MenuColorEffPoison", .caption = "Цвет вредного эффекта", .call = &F::onView<&V::cmdColor>, .arg = Setting.PoisonEffColor.line},
        {.menu = M::Colors, .name = "MenuColorEffGood", .caption = "Цвет полезного эффекта", .call = &F::onView<&V::cmdColor>, .arg = Setting.GoodEffColor.line},
        {.menu = M::Colors, .name = "MenuColorWndPicBg", .caption = "Цвет фона окна просмотра картинок", .call = &F::onView<&V::cmdColor>, .arg = Setting.PicBgColor.line},
        {.menu = M::Colors, .name = "MenuColorMarkerDef", .caption = "Цвет маркера по умолчанию", .call = &F::onView<&V::cmdColor>, .arg = Setting.DefMarkerColor.line},

        subMenu(M::Bar, M::Search, "Поиск по эффектам"),
        {.menu = M::Search, .name = "MenuStartSearsh", .caption = "Начать поиск", .shortcut = QKeyCombination(Qt::Key_F5), .call = [](F &f, QAction *, int) { f.SearshFromEffects(true); }, .fills = [](MenuItems &m, QAction *item) { m.startSearch = item; }},
        separator(M::Search),
        {.menu = M::Search, .name = "MenuCanQuickSearsh", .caption = "Мгновенный поиск", .shortcut = Qt::SHIFT | Qt::Key_F5, .check = C::On, .state = S::CheckOnly, .setting = Setting.MenuCanQuickSearsh},
        separator(M::Search),
        {.menu = M::Search, .name = "MenuSearshSave", .caption = "Быстрое сохранение условий поиска", .shortcut = QKeyCombination(Qt::Key_F10), .call = &F::onInputs<&SearchInputs::cmdSearchSlot>, .arg = SearchInputs::kSaveQuickSlot},
        {.menu = M::Search, .name = "MenuSearshRestore", .caption = "Быстрое восстановление условий поиска", .shortcut = QKeyCombination(Qt::Key_F9), .call = &F::onInputs<&SearchInputs::cmdSearchSlot>, .arg = SearchInputs::kRestoreQuickSlot},
        separator(M::Search),
        {.menu = M::Search, .name = "MenuSearshSaveToSlot", .caption = "Сохранить условия поиска в слот", .shortcut = Qt::CTRL | Qt::Key_F10, .call = &F::onInputs<&SearchInputs::cmdSearchSlot>, .arg = SearchInputs::kSaveNumberedSlot},
        {.menu = M::Search, .name = "MenuSearshRestoreFromSlot", .caption = "Восстановить условия поиска из слота", .shortcut = Qt::CTRL | Qt::Key_F9, .call = &F::onInputs<&SearchInputs::cmdSearchSlot>, .arg = SearchInputs::kRestoreNumberedSlot},

        subMenu(M::Bar, M::Other, "Разное"),
        // The searches read the check state (handed to them).
        {.menu = M::Other, .name = "MenuClearLbPotionBeforeSearsh", .caption = "Очищать список рецептов перед изменением", .check = C::On, .state = S::CheckOnly, .fills = [](MenuItems &m, QAction *item) { m.clearBeforeSearch = item; }},
        separator(M::Other),
        {.menu = M::Other, .name = "MenuFastFindStartWithCurElement", .caption = "Начинать быстрый поиск в списках с текущего элемента", .check = C::On, .state = S::CheckOnly, .setting = Setting.MenuFastFindStartWithCurElement},
        {.menu = M::Other, .name = "MenuFastFindTime", .caption = "Время нажатия символа быстрого поиска списков (мс)", .call = &F::onView<&V::cmdFastFindTime>, .arg = Setting.FastFindTimeout.line},
        separator(M::Other),
        {.menu = M::Other, .name = "MenuDebug", .caption = "Выполнить команду отладки", .shortcut = QKeyCombination(Qt::Key_F11), .run = &F::cmdDebug},
        separator(M::Other),
        {.menu = M::Other, .name = "MenuBrewingPlan", .caption = "План варки", .run = &F::cmdBrewingPlan},

        subMenu(M::None, M::PopupLB, nullptr, "PopupMenuLB"),
        {.menu = M::PopupLB, .name = "PMenuShowDetailInfo", .caption = "Детальная информацмя", .shortcut = Qt::CTRL | Qt::Key_I, .call = &F::onRecipes<&R::cmdRecipeDetails>, .fills = [](MenuItems &m, QAction *item) { m.recipes.recipeCommands[0] = item; }},
        {.menu = M::PopupLB, .name = "PMenuLbGoToNum", .caption = "Перейти к номеру", .shortcut = Qt::ALT | Qt::Key_N, .call = &F::onRecipes<&R::cmdGoToNumber>, .fills = [](MenuItems &m, QAction *item) { m.recipes.recipeCommands[1] = item; }},
        {.menu = M::PopupLB, .name = "PMenuPotionAddToFavorites", .caption = "Добавить рецепт в список избранного", .shortcut = Qt::ALT | Qt::Key_A, .call = &F::onRecipes<&R::cmdAddToFavorites>, .fills = [](MenuItems &m, QAction *item) { m.recipes.recipeCommands[2] = item; }},
        separator(M::PopupLB),
        {.menu = M::PopupLB, .name = "PMenuDelPotionsWithCurElement", .caption = "Удалить все рецепты с таким элементом", .call = &F::onRecipes<&R::cmdDeleteWithElement>, .fills = [](MenuItems &m, QAction *item) { m.recipes.deleteWithElement = item; }},
        {.menu = M::PopupLB, .name = "PMenuShowLbPotionsCountCurElement", .caption = "Показать кол-во таких элементов в списке", .call = &F::onRecipes<&R::cmdCountElement>, .fills = [](MenuItems &m, QAction *item) { m.recipes.countElement = item; }},
        {.menu = M::PopupLB, .name = "MenuDisableItemFromUsedList", .caption = "Отключить ингредиент из списка возможных", .call = &F::onRecipes<&R::cmdDisableItem>, .fills = [](MenuItems &m, QAction *item) { m.recipes.disableItem = item; }},
        subMenu(M::PopupLB, M::PopupLBMisc, "Разное"),
        {.menu = M::PopupLBMisc, .name = "PMenuDeletePotion", .caption = "Удалить рецепт", .shortcut = QKeyCombination(Qt::Key_Delete), .call = &F::onRecipes<&R::cmdDeletePotion>, .fills = [](MenuItems &m, QAction *item) { m.recipes.recipeCommands[3] = item; }},
        separator(M::PopupLBMisc),
        {.menu = M::PopupLBMisc, .name = "PMenuResetHeader", .caption = "Выровнять колонки", .call = &F::onRecipes<&R::cmdResetHeader>},
        separator(M::PopupLB),
        {.menu = M::PopupLB, .name = "PMenuLbPotionMarkerSetToItem", .caption = "Поставить маркер на этот ингредиент", .check = C::Off, .call = &F::onRecipes<&R::cmdMarkElement>, .arg = 1, .fills = [](MenuItems &m, QAction *item) { m.recipes.markItem = item; }},
        {.menu = M::PopupLB, .name = "PMenuLbPotionMarkerSetToEffect", .caption = "Поставить маркер на этот эффект", .check = C::Off, .call = &F::onRecipes<&R::cmdMarkElement>, .arg = 0, .fills = [](MenuItems &m, QAction *item) { m.recipes.markEffect = item; }},
        {.menu = M::PopupLB, .name = "PMenuLbPotionMarkerSetToGoodEffect", .caption = "Поставить маркер на полезные эффекты", .call = &F::onRecipes<&R::cmdMarkEffectKind>, .arg = 0},
        {.menu = M::PopupLB, .name = "PMenuLbPotionMarkerSetToPoisonEffect", .caption = "Поставить маркер на вредные эффекты", .call = &F::onRecipes<&R::cmdMarkEffectKind>, .arg = 1},
        {.menu = M::PopupLB, .name = "PMenuLbPotionMarkersOff", .caption = "Убрать все маркеры", .call = &F::onRecipes<&R::cmdMarkersOff>},

        subMenu(M::None, M::PopupFavorites, nullptr, "PopupMenuLBFavorites"),
        {.menu = M::PopupFavorites, .name = "PMenuFavoritesShowAllToLbpotions", .caption = "Показать все в списке рецептов", .call = [](F &f, QAction *, int) { f.FillLbPotionsFromFavorites(true, -1); }},
        separator(M::PopupFavorites),
        {.menu = M::PopupFavorites, .name = "PMenuRenameFavoriteItem", .caption = "Переименовать", .shortcut = QKeyCombination(Qt::Key_F2), .call = [](F &f, QAction *item, int arg) { f.m_favorites->cmdFavoriteRename(item, arg); }, .fills = [](MenuItems &m, QAction *item) { m.favorites.rename = item; }},
        separator(M::PopupFavorites),
        {.menu = M::PopupFavorites, .name = "PMenuDeleteFavoriteItem", .caption = "Удалить из списка", .shortcut = QKeyCombination(Qt::Key_Delete), .call = [](F &f, QAction *item, int arg) { f.m_favorites->cmdFavoriteDelete(item, arg); }, .fills = [](MenuItems &m, QAction *item) { m.favorites.remove = item; }},

        subMenu(M::None, M::PopupGrid, nullptr, "PopupMenuGrid"),
        {.menu = M::PopupGrid, .name = "PMenuSetGridMarker1", .caption = "Поставить на этот эффект Маркер (Red)", .check = C::Off, .call = [](F &f, QAction *item, int n) { f.PanelGrid->toggleMarker(item, n); }, .arg = 1, .fills = [](MenuItems &m, QAction *item) { m.grid.markers[0] = item; }},
        {.menu = M::PopupGrid, .name = "PMenuSetGridMarker2", .caption = "Поставить на этот эффект Маркер (Lime)", .check = C::Off, .call = [](F &f, QAction *item, int n) { f.PanelGrid->toggleMarker(item, n); }, .arg = 2, .fills = [](MenuItems &m, QAction *item) { m.grid.markers[1] = item; }},
        {.menu = M::PopupGrid, .name = "PMenuSetGridMarker3", .caption = "Поставить на этот эффект Маркер (Aqua)", .check = C::Off, .call = [](F &f, QAction *item, int n) { f.PanelGrid->toggleMarker(item, n); }, .arg = 3, .fills = [](MenuItems &m, QAction *item) { m.grid.markers[2] = item; }},
        {.menu = M::PopupGrid, .name = "PMenuSetGridMarker4", .caption = "Поставить на этот эффект Маркер (Yellow)", .check = C::Off, .call = [](F &f, QAction *item, int n) { f.PanelGrid->toggleMarker(item, n); }, .arg = 4, .fills = [](MenuItems &m, QAction *item) { m.grid.markers[3] = item; }},
        separator(M::PopupGrid),
        {.menu = M::PopupGrid, .name = "PMenuSetGridMarkerToBad", .caption = "Выделить все вредные эффекты цветом", .check = C::Off, .call = [](F &f, QAction *item, int) { f.PanelGrid->toggleHighlight(item, true); }, .fills = [](MenuItems &m, QAction *item) { m.grid.highlightHarmful = item; }},
        {.menu = M::PopupGrid, .name = "PMenuSetGridMarkerToGood", .caption = "Выделить все полезные эффекты цветом", .check = C::Off, .call = [](F &f, QAction *item, int) { f.PanelGrid->toggleHighlight(item, false); }, .fills = [](MenuItems &m, QAction *item) { m.grid.highlightBeneficial = item; }},
        separator(M::PopupGrid),
        {.menu = M::PopupGrid, .name = "PMenuGridDisableMarkers", .caption = "Отключить все маркеры", .call = [](F &f, QAction *, int) { f.PanelGrid->markersOff(); }},
        separator(M::PopupGrid),
        {.menu = M::PopupGrid, .name = "PMenuGridSetAllMarkers", .caption = "Выставить все маркеры на этот ингредиент", .call = [](F &f, QAction *, int) { f.PanelGrid->setAllMarkers(); }, .fills = [](MenuItems &m, QAction *item) { m.grid.setAllMarkers = item; }},
        {.menu = M::PopupGrid, .name = "PMenuGridShowCountItemsWithCurEff", .caption = "Показать кол-во ингредиентов с таким эффектом", .call = [](F &f, QAction *, int) { f.PanelGrid->countItemsWithEffect(); }, .fills = [](MenuItems &m, QAction *item) { m.grid.countItems = item; }},

        subMenu(M::None, M::PopupLocal, nullptr, "PopupMenuLocal"),
        {.menu = M::PopupLocal, .name = "PMenuLocatFont", .caption = "Изменить шрифт", .call = &F::onView<&V::cmdFont>, .arg = fontArg(FontTarget::LocalMenuControl)},
    };
    // clang-format on
    return rows;
}

} // namespace qor
