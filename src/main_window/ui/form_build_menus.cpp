// The main menu and the four context menus, complete with every item and
// separator. Items whose commands are not part of this program version yet
// stand disabled.

#include "main_window/ui/form_main.h"

#include "recipe_list/ui/favorites_list.h"
#include "recipe_list/ui/potion_list_view.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <set>

namespace qor {

namespace {

// Items that run a command in this version (the rest are disabled).
const std::set<QString> &workingItems() {
    static const std::set<QString> names{
        QStringLiteral("MenuExit"),
        QStringLiteral("MenuExitNoSave"),
        QStringLiteral("MenuLbPotionDirectFloatingMode"),
        QStringLiteral("MenuGridDirectFloatingMode"),
        QStringLiteral("MenuScrollForLBox"),
        QStringLiteral("MenuCanLightLBox"),
        QStringLiteral("MenuCanFrameLBoxCell"),
        QStringLiteral("MenuStartSearsh"),
        QStringLiteral("MenuCanQuickSearsh"),
        QStringLiteral("MenuSearshSave"),
        QStringLiteral("MenuSearshRestore"),
        QStringLiteral("MenuSearshSaveToSlot"),
        QStringLiteral("MenuSearshRestoreFromSlot"),
        QStringLiteral("MenuClearLbPotionBeforeSearsh"),
        QStringLiteral("MenuFastFindStartWithCurElement"),
        QStringLiteral("MenuDebug"),
        QStringLiteral("MenuBrewingPlan"),
        // View settings of the lists, captions and splitters.
        QStringLiteral("MenuCanDrawLines"),
        QStringLiteral("MenuLbPotionItemHeight"),
        QStringLiteral("MenuHeightCap1"),
        QStringLiteral("MenuHeaderHeight"),
        QStringLiteral("MenuColor2LBox"),
        QStringLiteral("MenuGridLines_ver"),
        QStringLiteral("MenuGridLines_hor"),
        QStringLiteral("MenuGridItemHeight"),
        QStringLiteral("MenuHeightCap3"),
        QStringLiteral("MenuGridHeaderHeight"),
        QStringLiteral("MenuColor2Grid"),
        QStringLiteral("MenuHeaderEffInfoHeight"),
        QStringLiteral("MenuLbEffectInfoItemHeight"),
        QStringLiteral("MenuColor2LbEff"),
        QStringLiteral("MenuCanGrayedDisabledItem"),
        QStringLiteral("MenuSplitterHeight"),
        QStringLiteral("MenuSetDropDownCount"),
        QStringLiteral("MenuCharEffectType"),
        QStringLiteral("MenuShowHints"),
        QStringLiteral("MenuColorLightLbox"),
        QStringLiteral("MenuColorLBoxLines"),
        QStringLiteral("MenuColorEffPoison"),
        QStringLiteral("MenuColorEffGood"),
        QStringLiteral("MenuColorWndPicBg"),
        QStringLiteral("MenuColorMarkerDef"),
        QStringLiteral("MenuLbPotionsFont"),
        QStringLiteral("MenuGridFont"),
        QStringLiteral("MenuLbEffectInfoFont"),
        QStringLiteral("MenuFontFavorites"),
        QStringLiteral("MenuFontMainForm"),
        QStringLiteral("MenuFontComboBox"),
        QStringLiteral("MenuFontAltLBoxs"),
        QStringLiteral("PMenuLocatFont"),
        QStringLiteral("MenuLbFavoritesItemHeight"),
        QStringLiteral("MenuItemHeightAltLBoxs"),
        QStringLiteral("MenuHeightCap2"),
        QStringLiteral("MenuFastFindTime"),
        // The recipe list's context menu (prepared by On_Popup).
        QStringLiteral("PMenuShowDetailInfo"),
        QStringLiteral("PMenuLbGoToNum"),
        QStringLiteral("PMenuPotionAddToFavorites"),
        QStringLiteral("PMenuDelPotionsWithCurElement"),
        QStringLiteral("PMenuShowLbPotionsCountCurElement"),
        QStringLiteral("MenuDisableItemFromUsedList"),
        QStringLiteral("PMenuDeletePotion"),
        QStringLiteral("PMenuResetHeader"),
        QStringLiteral("PMenuLbPotionMarkerSetToItem"),
        QStringLiteral("PMenuLbPotionMarkerSetToEffect"),
        QStringLiteral("PMenuLbPotionMarkerSetToGoodEffect"),
        QStringLiteral("PMenuLbPotionMarkerSetToPoisonEffect"),
        QStringLiteral("PMenuLbPotionMarkersOff"),
        // The reference table's context menu.
        QStringLiteral("PMenuSetGridMarker1"),
        QStringLiteral("PMenuSetGridMarker2"),
        QStringLiteral("PMenuSetGridMarker3"),
        QStringLiteral("PMenuSetGridMarker4"),
        QStringLiteral("PMenuSetGridMarkerToBad"),
        QStringLiteral("PMenuSetGridMarkerToGood"),
        QStringLiteral("PMenuGridDisableMarkers"),
        QStringLiteral("PMenuGridSetAllMarkers"),
        QStringLiteral("PMenuGridShowCountItemsWithCurEff"),
        // The favourites tab's context menu.
        QStringLiteral("PMenuFavoritesShowAllToLbpotions"),
        QStringLiteral("PMenuRenameFavoriteItem"),
        QStringLiteral("PMenuDeleteFavoriteItem"),
    };
    return names;
}

} // namespace

QAction *TFormMain::addMenuItem(QMenu *menu, const char *name, const QString &caption,
                                const QKeySequence &shortcut, bool checkable, bool checked) {
    auto *act = new QAction(caption, menu);
    const QString objectName = QString::fromLatin1(name);
    act->setObjectName(objectName);
    if (!shortcut.isEmpty())
        act->setShortcut(shortcut);
    act->setCheckable(checkable);
    if (checkable)
        act->setChecked(checked);
    act->setEnabled(workingItems().count(objectName) > 0);
    menu->addAction(act);
    m_actions.insert(objectName, act);
    connect(act, &QAction::triggered, this, [this, act] { On_Click(act); });
    return act;
}

QAction *TFormMain::action(const QString &name) const {
    return m_actions.value(name, nullptr);
}

void TFormMain::buildMainMenu() {
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu *file = bar->addMenu(QStringLiteral("Меню"));
    addMenuItem(file, "MenuExit", QStringLiteral("Выход"), QKeySequence(Qt::ALT | Qt::Key_X));
    file->addSeparator();
    addMenuItem(file, "MenuExitNoSave", QStringLiteral("Выход без сохранения"),
                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::ALT | Qt::Key_X));

    QMenu *view = bar->addMenu(QStringLiteral("Вид"));
    addMenuItem(view, "MenuLbPotionDirectFloatingMode",
                QStringLiteral("Развернуть список рецептов на весь экран"), QKeySequence(Qt::Key_F6), true);
    addMenuItem(view, "MenuGridDirectFloatingMode",
                QStringLiteral("Развернуть справочную таблицу на весь экран"), QKeySequence(Qt::Key_F7),
                true);
    addMenuItem(view, "MenuShowFormFavorites",
                QStringLiteral("Показать списки избранных ингредиентов и эффектов"), QKeySequence(Qt::Key_F8),
                true);
    addMenuItem(view, "MenuShowUsedItemsList", QStringLiteral("Показать список с возможными ингредиентами"),
                QKeySequence(Qt::Key_F12), true);
    view->addSeparator();

    QMenu *recipes = view->addMenu(QStringLiteral("Список рецептов"));
    addMenuItem(recipes, "MenuCanDrawLines", QStringLiteral("Верт. линии"), {}, true);
    addMenuItem(recipes, "MenuLbPotionItemHeight", QStringLiteral("Высота строк"));
    addMenuItem(recipes, "MenuHeightCap1", QStringLiteral("Высота заголовка"));
    addMenuItem(recipes, "MenuHeaderHeight", QStringLiteral("Высота кнопок заголовка"));
    addMenuItem(recipes, "MenuScrollForLBox", QStringLiteral("Полоса прокрутки"), {}, true);
    addMenuItem(recipes, "MenuCanLightLBox", QStringLiteral("Подсвечивать ячейки"), {}, true);
    addMenuItem(recipes, "MenuCanFrameLBoxCell", QStringLiteral("Выделять рамкой ячейки"), {}, true);
    addMenuItem(recipes, "MenuColorLightLbox", QStringLiteral("Цвет подсветки ячеек"));
    addMenuItem(recipes, "MenuColor2LBox", QStringLiteral("Цвет чередования строк (%)"));
    addMenuItem(recipes, "MenuColorLBoxLines", QStringLiteral("Цвет верт. линий"));
    addMenuItem(recipes, "MenuLbPotionsFont", QStringLiteral("Шрифт"));

    QMenu *table = view->addMenu(QStringLiteral("Справочная таблица"));
    addMenuItem(table, "MenuGridLines_ver", QStringLiteral("Верт. линии"), {}, true, true);
    addMenuItem(table, "MenuGridLines_hor", QStringLiteral("Гор. линии"), {}, true);
    addMenuItem(table, "MenuGridItemHeight", QStringLiteral("Высота строк"));
    addMenuItem(table, "MenuHeightCap3", QStringLiteral("Высота заголовка"));
    addMenuItem(table, "MenuGridHeaderHeight", QStringLiteral("Высота кнопок заголовка"));
    addMenuItem(table, "MenuColor2Grid", QStringLiteral("Цвет чередования (%)"));
    addMenuItem(table, "MenuGridFont", QStringLiteral("Шрифт"));

    QMenu *effects = view->addMenu(QStringLiteral("Список эффектов рецепта"));
    addMenuItem(effects, "MenuHeaderEffInfoHeight", QStringLiteral("Высота кнопок заголовка"));
    addMenuItem(effects, "MenuLbEffectInfoItemHeight", QStringLiteral("Высота строк"));
    addMenuItem(effects, "MenuColor2LbEff", QStringLiteral("Цвет чередования строк (%)"));
    addMenuItem(effects, "MenuLbEffectInfoFont", QStringLiteral("Шрифт"));

    QMenu *drag = view->addMenu(QStringLiteral("Перетаскивание"));
    addMenuItem(drag, "MenuDragTranspatenrMode", QStringLiteral("Объект сложной формы"), {}, true);
    addMenuItem(drag, "MenuDragBlend", QStringLiteral("Прозрачность 0..255"));
    addMenuItem(drag, "MenuDragImageSize", QStringLiteral("Размер картинки"));
    addMenuItem(drag, "MenuDragShowShadow", QStringLiteral("Рисовать тень"), {}, true);
    addMenuItem(drag, "MenuDragFontColor", QStringLiteral("Цвет текста"));
    addMenuItem(drag, "MenuFontDrag", QStringLiteral("Шрифт"));

    QMenu *misc = view->addMenu(QStringLiteral("Разное"));
    addMenuItem(misc, "MenuCanGrayedDisabledItem", QStringLiteral("Затемнять неактивный элемент списков"), {},
                true);
    addMenuItem(misc, "MenuSplitterHeight", QStringLiteral("Толщина активных разделительных линий"));
    addMenuItem(misc, "MenuSetDropDownCount", QStringLiteral("Кол-во элементов выпадающих списков"));
    addMenuItem(misc, "MenuCharEffectType", QStringLiteral("Символ показывающий цвет эффекта"));
    addMenuItem(misc, "MenuShowHints", QStringLiteral("Показывать всплывающие подсказки"), {}, true);
    addMenuItem(misc, "MenuFlyPictureMode", QStringLiteral("Вырезать окно под картинкой"), {}, true);

    view->addSeparator();
    addMenuItem(view, "MenuCLbUsedItemHeight", QStringLiteral("Высота строк списка возможных ингредиентов"));
    addMenuItem(view, "MenuLbFavoritesItemHeight", QStringLiteral("Высота строк списка избранного"));
    addMenuItem(view, "MenuItemHeightAltLBoxs",
                QStringLiteral("Высота строк списков альтернативного создания зелья"));
    addMenuItem(view, "MenuHelpItemHeight", QStringLiteral("Высота строк справки"));
    addMenuItem(view, "MenuHeightCap2", QStringLiteral("Высота заголовка списка компонентов"));

    QMenu *find = bar->addMenu(QStringLiteral("Найти"));
    addMenuItem(find, "MenuFindInPotions", QStringLiteral("Найти в списке рецептов"),
                QKeySequence(Qt::CTRL | Qt::Key_F));
    addMenuItem(find, "MenuFindNext", QStringLiteral("Продолжить поиск"), QKeySequence(Qt::Key_F3));

    QMenu *fonts = bar->addMenu(QStringLiteral("Шрифт"));
    addMenuItem(fonts, "MenuFontComboBox", QStringLiteral("Шрифт открывающихся списков"));
    addMenuItem(fonts, "MenuFontUsedItems", QStringLiteral("Шрифт списка возможных ингредиентов"));
    addMenuItem(fonts, "MenuFontFavorites", QStringLiteral("Шрифт списка избранного"));
    addMenuItem(fonts, "MenuHelpFont", QStringLiteral("Шрифт справки"));
    addMenuItem(fonts, "MenuFontMainForm", QStringLiteral("Шрифт главного окна"));
    addMenuItem(fonts, "MenuFontAltLBoxs", QStringLiteral("Шрифт списков альтернативного создания зелья"));

    QMenu *colors = bar->addMenu(QStringLiteral("Цвет"));
    addMenuItem(colors, "MenuColorEffPoison", QStringLiteral("Цвет вредного эффекта"));
    addMenuItem(colors, "MenuColorEffGood", QStringLiteral("Цвет полезного эффекта"));
    addMenuItem(colors, "MenuColorWndPicBg", QStringLiteral("Цвет фона окна просмотра картинок"));
    addMenuItem(colors, "MenuColorMarkerDef", QStringLiteral("Цвет маркера по умолчанию"));

    QMenu *search = bar->addMenu(QStringLiteral("Поиск по эффектам"));
    addMenuItem(search, "MenuStartSearsh", QStringLiteral("Начать поиск"), QKeySequence(Qt::Key_F5));
    search->addSeparator();
    addMenuItem(search, "MenuCanQuickSearsh", QStringLiteral("Мгновенный поиск"),
                QKeySequence(Qt::SHIFT | Qt::Key_F5), true, true);
    search->addSeparator();
    addMenuItem(search, "MenuSearshSave", QStringLiteral("Быстрое сохранение условий поиска"),
                QKeySequence(Qt::Key_F10));
    addMenuItem(search, "MenuSearshRestore", QStringLiteral("Быстрое восстановление условий поиска"),
                QKeySequence(Qt::Key_F9));
    search->addSeparator();
    addMenuItem(search, "MenuSearshSaveToSlot", QStringLiteral("Сохранить условия поиска в слот"),
                QKeySequence(Qt::CTRL | Qt::Key_F10));
    addMenuItem(search, "MenuSearshRestoreFromSlot", QStringLiteral("Восстановить условия поиска из слота"),
                QKeySequence(Qt::CTRL | Qt::Key_F9));

    QMenu *other = bar->addMenu(QStringLiteral("Разное"));
    addMenuItem(other, "MenuClearLbPotionBeforeSearsh",
                QStringLiteral("Очищать список рецептов перед изменением"), {}, true, true);
    other->addSeparator();
    addMenuItem(other, "MenuFastFindStartWithCurElement",
                QStringLiteral("Начинать быстрый поиск в списках с текущего элемента"), {}, true, true);
    addMenuItem(other, "MenuFastFindTime",
                QStringLiteral("Время нажатия символа быстрого поиска списков (мс)"));
    other->addSeparator();
    addMenuItem(other, "MenuDebug", QStringLiteral("Выполнить команду отладки"), QKeySequence(Qt::Key_F11));
    other->addSeparator();
    addMenuItem(other, "MenuBrewingPlan", QStringLiteral("План варки"));

    // Quick search on: the explicit search is redundant (and disabled).
    action(QStringLiteral("MenuStartSearsh"))->setEnabled(false);
}

void TFormMain::buildContextMenus() {
    PopupMenuLB = new QMenu(this);
    PopupMenuLB->setObjectName(QStringLiteral("PopupMenuLB"));
    addMenuItem(PopupMenuLB, "PMenuShowDetailInfo", QStringLiteral("Детальная информацмя"),
                QKeySequence(Qt::CTRL | Qt::Key_I));
    addMenuItem(PopupMenuLB, "PMenuLbGoToNum", QStringLiteral("Перейти к номеру"),
                QKeySequence(Qt::ALT | Qt::Key_N));
    addMenuItem(PopupMenuLB, "PMenuPotionAddToFavorites",
                QStringLiteral("Добавить рецепт в список избранного"), QKeySequence(Qt::ALT | Qt::Key_A));
    PopupMenuLB->addSeparator();
    addMenuItem(PopupMenuLB, "PMenuDelPotionsWithCurElement",
                QStringLiteral("Удалить все рецепты с таким элементом"));
    addMenuItem(PopupMenuLB, "PMenuShowLbPotionsCountCurElement",
                QStringLiteral("Показать кол-во таких элементов в списке"));
    addMenuItem(PopupMenuLB, "MenuDisableItemFromUsedList",
                QStringLiteral("Отключить ингредиент из списка возможных"));
    QMenu *lbMisc = PopupMenuLB->addMenu(QStringLiteral("Разное"));
    addMenuItem(lbMisc, "PMenuDeletePotion", QStringLiteral("Удалить рецепт"), QKeySequence(Qt::Key_Delete));
    lbMisc->addSeparator();
    addMenuItem(lbMisc, "PMenuResetHeader", QStringLiteral("Выровнять колонки"));
    PopupMenuLB->addSeparator();
    addMenuItem(PopupMenuLB, "PMenuLbPotionMarkerSetToItem",
                QStringLiteral("Поставить маркер на этот ингредиент"));
    addMenuItem(PopupMenuLB, "PMenuLbPotionMarkerSetToEffect",
                QStringLiteral("Поставить маркер на этот эффект"));
    addMenuItem(PopupMenuLB, "PMenuLbPotionMarkerSetToGoodEffect",
                QStringLiteral("Поставить маркер на полезные эффекты"));
    addMenuItem(PopupMenuLB, "PMenuLbPotionMarkerSetToPoisonEffect",
                QStringLiteral("Поставить маркер на вредные эффекты"));
    addMenuItem(PopupMenuLB, "PMenuLbPotionMarkersOff", QStringLiteral("Убрать все маркеры"));

    PopupMenuLBFavorites = new QMenu(this);
    PopupMenuLBFavorites->setObjectName(QStringLiteral("PopupMenuLBFavorites"));
    addMenuItem(PopupMenuLBFavorites, "PMenuFavoritesShowAllToLbpotions",
                QStringLiteral("Показать все в списке рецептов"));
    PopupMenuLBFavorites->addSeparator();
    addMenuItem(PopupMenuLBFavorites, "PMenuRenameFavoriteItem", QStringLiteral("Переименовать"),
                QKeySequence(Qt::Key_F2));
    PopupMenuLBFavorites->addSeparator();
    addMenuItem(PopupMenuLBFavorites, "PMenuDeleteFavoriteItem", QStringLiteral("Удалить из списка"),
                QKeySequence(Qt::Key_Delete));

    PopupMenuGrid = new QMenu(this);
    PopupMenuGrid->setObjectName(QStringLiteral("PopupMenuGrid"));
    addMenuItem(PopupMenuGrid, "PMenuSetGridMarker1", QStringLiteral("Поставить на этот эффект Маркер (Red)"),
                {}, true);
    addMenuItem(PopupMenuGrid, "PMenuSetGridMarker2",
                QStringLiteral("Поставить на этот эффект Маркер (Lime)"), {}, true);
    addMenuItem(PopupMenuGrid, "PMenuSetGridMarker3",
                QStringLiteral("Поставить на этот эффект Маркер (Aqua)"), {}, true);
    addMenuItem(PopupMenuGrid, "PMenuSetGridMarker4",
                QStringLiteral("Поставить на этот эффект Маркер (Yellow)"), {}, true);
    PopupMenuGrid->addSeparator();
    addMenuItem(PopupMenuGrid, "PMenuSetGridMarkerToBad",
                QStringLiteral("Выделить все вредные эффекты цветом"), {}, true);
    addMenuItem(PopupMenuGrid, "PMenuSetGridMarkerToGood",
                QStringLiteral("Выделить все полезные эффекты цветом"), {}, true);
    PopupMenuGrid->addSeparator();
    addMenuItem(PopupMenuGrid, "PMenuGridDisableMarkers", QStringLiteral("Отключить все маркеры"));
    PopupMenuGrid->addSeparator();
    addMenuItem(PopupMenuGrid, "PMenuGridSetAllMarkers",
                QStringLiteral("Выставить все маркеры на этот ингредиент"));
    addMenuItem(PopupMenuGrid, "PMenuGridShowCountItemsWithCurEff",
                QStringLiteral("Показать кол-во ингредиентов с таким эффектом"));

    PopupMenuLocal = new QMenu(this);
    PopupMenuLocal->setObjectName(QStringLiteral("PopupMenuLocal"));
    addMenuItem(PopupMenuLocal, "PMenuLocatFont", QStringLiteral("Изменить шрифт"));

    // Shortcuts of the context menus work while their list has the focus.
    for (QMenu *menu : {PopupMenuLB, PopupMenuLBFavorites, PopupMenuGrid, PopupMenuLocal}) {
        for (QAction *act : menu->findChildren<QAction *>())
            act->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    }
    LBPotion->addActions(PopupMenuLB->findChildren<QAction *>());
    LBFavorites->addActions(PopupMenuLBFavorites->findChildren<QAction *>());
}

} // namespace qor
