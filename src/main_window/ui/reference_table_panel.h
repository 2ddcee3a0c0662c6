#pragma once
// The reference table region: its caption bar and the table of every
// ingredient with its model, cell drawing, header sorting, the find column,
// the context menu with its markers and highlighting, and the colours.
// It builds its own widgets and joins the window's routers; the main window
// places it, feeds it settings and forwards its commands.

#include "drag_drop/ui/drag_controller.h"
#include "main_window/ui/menu_items.h"

#include <QColor>
#include <QWidget>

#include <array>
#include <memory>
#include <span>

class QAction;
class QLabel;
class QMenu;
class QTableView;

namespace qor {

class DialogProvider;
class GridCellDelegate;
class GridPictures;
class GridTableModel;
class ItemPictures;
struct ProgramState;
struct WindowRouters;

class ReferenceTablePanel : public QWidget, public DragGrid {
    Q_OBJECT
  public:
    ReferenceTablePanel(ProgramState &state, const ItemPictures &pictures, DialogProvider &dialogs,
                        QWidget *parent);
    ~ReferenceTablePanel() override;

    QLabel *caption() const { return m_caption; }
    QTableView *view() const { return m_view; }
    void setMenu(QMenu *menu, const GridMenuItems &items);
    // The table joins the keys, the wheel and the drags; a row the keys
    // choose is announced as a move of the user's.
    void joinRouters(const WindowRouters &routers);

    // Builds or reloads the model and applies the saved column widths.
    void fill(std::span<const int> columnWidths);
    // Drops the model (before the tables are freed).
    void release();
    void repaintCells() override;
    // The current grid row (1.. data rows), 0 for none.
    int currentGridRow() const;
    void collectColumnWidths(std::span<int> widths) const;
    // Moves the table back into the panel after the full-screen mode.
    void takeBackView();

    void showRow(int gridRow);
    // Moves to the row of an ingredient (mode 0) or of the first ingredient
    // with an effect (mode 1), or to a grid row (byRow).
    void showInGrid(int value, int mode, bool byRow = false) override;
    // The saved row at start-up: shown by showInGrid's rule from the top of
    // the table, and again whenever the table changes size, until the user
    // moves in it. The window's layout is final only after it is shown.
    void showStartRow(int gridRow);
    // ScrollGrid: the first visible data row moves by delta rows.
    void scrollGrid(int delta);
    // The cell's text in a box for reading and copying (not with Ctrl).
    void doubleClick(bool ctrl);
    // The ingredient of the current row, 0 when there is none.
    int currentItem() const override;
    // An effect dropped on an effect column takes that column's slot in
    // every ingredient that has it; the rows are sorted again when resort.
    void exchangeEffectSlot(int effect, int column, bool resort) override;

    void setRowHeight(int rowHeight, int headerHeight);
    void setLines(bool vertical, bool horizontal);
    void setAlternateColor(const QColor &color);
    // Both highlight colours start as the default marker colour.
    void setHighlightColors(const QColor &color);

    // The context menu: prepared for the cell under the right press whenever
    // it opens.
    void prepareMenu();
    void toggleMarker(QAction *item, int number);
    void toggleHighlight(QAction *item, bool harmful);
    void markersOff();
    void setAllMarkers();
    void countItemsWithEffect();

  Q_SIGNALS:
    // The user moved the current cell.
    void currentMoved();
    // showRow or showInGrid moved the current cell.
    void currentShown();
    // A double click on the caption bar (the table's floating mode).
    void captionDoubleClicked();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void buildView();
    void openMenu(const QPoint &pos);
    void headerClick(int column);
    void setFindColumn(int column);
    // The session's table changed: the rows and the header follow.
    void followGridOrder();
    void followGridMarks();
    void applyHighlight();

    ProgramState &m_state;
    const ItemPictures &m_pictures;
    DialogProvider &m_dialogs;
    QLabel *m_caption = nullptr;
    QTableView *m_view = nullptr;
    GridTableModel *m_model = nullptr;
    GridCellDelegate *m_delegate = nullptr;
    std::unique_ptr<GridPictures> m_gridPictures;
    QMenu *m_menu = nullptr;
    GridMenuItems m_items;
    int m_clickColumn = -1; // cell under the last right press
    int m_clickRow = -1;    // grid row (1.. data rows), -1 none
    int m_startRow = 0;     // the saved row while it is still kept in view
    QColor m_colorHarmful;
    QColor m_colorBeneficial;
};

} // namespace qor
