#pragma once
// The controls of the main window, named as the window description names
// them, and the code that creates and lays them out (as a designer form's
// set-up would). Qt's parent ownership frees them with the window; the
// window keeps them private and tests reach them through a test accessor.

#include "main_window/ui/controls_context.h"
#include "main_window/ui/recipe_list_widgets.h"

class QLabel;
class QLineEdit;
class QMainWindow;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QSplitter;
class QStackedWidget;
class QTabWidget;
class QTableView;
class QWidget;

namespace qor {

class FullScreenWindow;
class ReferenceTablePanel;

struct FormControls : RecipeListWidgets {
    QStackedWidget *CentralStack = nullptr;
    QLabel *StartupFailurePage = nullptr;
    QSplitter *MainSplitter = nullptr;

    QTabWidget *PageControl = nullptr;
    QWidget *TabSheet1 = nullptr;
    QWidget *TabSheetSearshFromItem = nullptr;
    QWidget *TabSheetAltMake = nullptr;
    QWidget *TabSheetSkills = nullptr;
    QWidget *TabSheetHelp = nullptr;
    QWidget *TabSheetFavorites = nullptr;

    QListWidget *LbHelp = nullptr;
    QSplitter *HelpSplitter = nullptr;
    QPlainTextEdit *MemoHelp = nullptr;

    // The reference table region builds its own widgets (the recipe list
    // region's come with RecipeListWidgets); these are what the window's
    // other parts still read.
    ReferenceTablePanel *PanelGrid = nullptr;
    QLabel *PanelCapGrid = nullptr;
    QTableView *StringGrid = nullptr;

    FullScreenWindow *FullScreen = nullptr;

    QMenu *PopupMenuLB = nullptr;
    QMenu *PopupMenuLBFavorites = nullptr;
    QMenu *PopupMenuGrid = nullptr;
    QMenu *PopupMenuLocal = nullptr;

    // Creates the window's frame and its empty tabs; the tabs and the
    // regions below them build their own controls.
    void buildRegions(const ControlsContext &ctx);
    // The splitter handles named and the regions sized, once all are in.
    void finishRegions();
};

} // namespace qor
