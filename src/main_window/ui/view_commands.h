#pragma once
// The commands of the menus "Вид", "Шрифт" and "Цвет" and the routines that
// apply the looks they change: row and caption heights, alternate-row
// colours, cell marking, splitter thickness, drop-down sizes, fonts, colours
// and lines. The window forwards its command rows and start-up steps here.

#include "main_window/ui/menu_items.h"
#include "main_window/ui/window_context.h"
#include "settings/settings_file.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPointer>

#include <array>

class QMenu;
class QSplitter;
class QWidget;

namespace qor {

class FavoritesList;
class ReferenceTablePanel;
struct RecipeListWidgets;

// Row-colour mixing: each channel of base times percent/100, rounded half
// to even and capped at 255.
QColor MakeColor2(const QColor &base, int percent);

class ViewCommands : public QObject {
    Q_OBJECT
  public:
    // The controls whose looks the commands change; the parts that own
    // them have built them.
    struct Views {
        const RecipeListWidgets &recipes;
        ReferenceTablePanel &grid;
        const FavoritesList &favorites;
        const QWidget &altLists; // one of the alternative-making lists: their shared font
        std::array<QSplitter *, 4> splitters;
    };
    ViewCommands(const WindowContext &ctx, const Views &views, const LookItems &looks);

    // The routines the window runs at start-up and after settings changes.
    void MakeColor2();
    void SetLBoxLightCellType();
    void SetSplittersHeight();
    void SetComboBoxMode(QWidget *window);
    void SetGridRowHeight(int rowHeight, int headerHeight);
    void rebuildRowPictures();

    QColor gridColor2() const { return m_gridColor2; }
    int splitterThickness() const { return m_splitterThickness; }
    void setSplitterThickness(int value) { m_splitterThickness = value; }
    // The context menu "Изменить шрифт" of the captions and strip lists.
    void connectLocalMenu(QMenu &localMenu);
    // From the end of start-up on, the lists and drop-downs follow the
    // Main.ini lines they show (row heights, row colours, drop-down rows)
    // and the window and the drop-downs their fonts.
    void followSettings();

    // The looks of the Main.ini flags, once at start-up; afterwards each
    // follows its flag.
    void applyLookFlags();

    // Command rows; the argument is the row's settings line or font target.
    void cmdCellMarking(QAction *item, int); // the frame marking, kept by its menu item only
    void cmdRecipeRowHeight(QAction *item, int line);
    void cmdGridRowHeight(QAction *item, int line);
    void cmdEffectRowHeight(QAction *item, int line);
    void cmdFavoritesRowHeight(QAction *item, int line);
    void cmdAltRowHeight(QAction *item, int line);
    void cmdCaptionHeight(QAction *item, int line);
    void cmdRecipeHeaderHeight(QAction *item, int line);
    void cmdEffectHeaderHeight(QAction *item, int line);
    void cmdGridHeaderHeight(QAction *item, int line);
    void cmdColor2(QAction *item, int line);
    void cmdColor(QAction *item, int line);
    void cmdFont(QAction *item, int target);
    void cmdSplitterThickness(QAction *item, int line);
    void cmdDropDownCount(QAction *item, int line);
    void cmdEffectSymbol(QAction *item, int);
    void cmdFastFindTime(QAction *item, int line);
    // A number of the drag picture (opacity, size) kept in the block.
    void cmdDragSetting(QAction *item, int line);

  Q_SIGNALS:
    // A height in the recipe list region changed: the region lays out again.
    void recipeListHeightsChanged();
    // The tool windows follow the main font, the drop-down settings and the
    // splitter thickness.
    void mainFontChanged(const QFont &font);
    void dropDownsChanged();
    void splittersChanged(int thickness);

  private:
    void applySetting(int line);
    void applyCellMarking();
    // Every control paints again: a look they all share changed.
    void repaintWindow();
    void applyFont(SettingsFont which);

    WindowContext m_ctx;
    Views m_views;
    LookItems m_looks;
    QColor m_gridColor2;
    int m_splitterThickness = 6;
    QPointer<QWidget> m_localMenuTarget;
};

} // namespace qor
