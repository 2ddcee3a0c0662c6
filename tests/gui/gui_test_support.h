#pragma once
// Shared set-up of the window tests: one QApplication for the whole test
// program, and a scratch copy of the bundled data folder for each test so
// that Main.ini writes never touch the build's data.

#include "drag_drop/ui/drag_controller.h"
#include "main_window/ui/alt_make_tab.h"
#include "main_window/ui/favorites_tab.h"
#include "main_window/ui/form_main.h"
#include "main_window/ui/picture_region.h"
#include "main_window/ui/recipe_list_region.h"
#include "main_window/ui/search_inputs.h"
#include "main_window/ui/tool_windows.h"

#include <QMainWindow>
#include <QPoint>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <stdexcept>

namespace qor {

// The window's private controls, for tests only.
struct FormMainTestAccess {
    static FormControls &controls(TFormMain &form) { return form; }
    static KeyRouter &keys(TFormMain &form) { return *form.m_keys; }
    static RecipeFinder &finder(TFormMain &form) { return *form.m_finder; }
    static HelpPanel &help(TFormMain &form) { return *form.m_help; }
    static CellHints &cellHints(TFormMain &form) { return *form.m_cellHints; }
    static FloatingPicture &floatingPicture(TFormMain &form) { return form.m_picture->floating(); }
    static ToolWindows &toolWindows(TFormMain &form) { return *form.m_toolWindows; }
    static DragController &drag(TFormMain &form) { return *form.m_drag; }
    static RecipeListRegion &recipes(TFormMain &form) { return *form.m_recipes; }
    static SearchInputs &searchInputs(TFormMain &form) { return *form.m_inputs; }
    static AltMakeTab::Lists altLists(TFormMain &form) { return form.m_altMake->lists(); }
    static FavoritesList *favoritesList(TFormMain &form) { return form.m_favorites->list(); }
};

} // namespace qor

namespace qor::test {

// The controls of a window held by any pointer: test::ui(form).LBPotion.
template <typename FormPointer> FormControls &ui(const FormPointer &form) {
    return FormMainTestAccess::controls(*form);
}

// A control that one of the window's parts keeps to itself, by its object
// name; a missing name fails the test.
template <typename Control, typename FormPointer>
Control *control(const FormPointer &form, const QString &name) {
    auto *found = form->template findChild<Control *>(name);
    if (!found)
        throw std::runtime_error("no control " + name.toStdString());
    return found;
}

template <typename FormPointer> DragController &drag(const FormPointer &form) {
    return FormMainTestAccess::drag(*form);
}

// The recipe list region: test::recipes(form).On_Scroll(-5).
template <typename FormPointer> RecipeListRegion &recipes(const FormPointer &form) {
    return FormMainTestAccess::recipes(*form);
}

// The alternative making's lists: test::altLists(form).items.
template <typename FormPointer> AltMakeTab::Lists altLists(const FormPointer &form) {
    return FormMainTestAccess::altLists(*form);
}

template <typename FormPointer> FavoritesList *favoritesList(const FormPointer &form) {
    return FormMainTestAccess::favoritesList(*form);
}

// The search-from-effects tab's controls: test::effectSearch(form).CbEffect[0].
template <typename FormPointer> const SearchInputs::Controls &effectSearch(const FormPointer &form) {
    return FormMainTestAccess::searchInputs(*form).controls();
}

// Creates the application object once (offscreen under ctest).
void ensureApplication();

// A temporary copy of the bundled data folder.
class ScratchData {
  public:
    ScratchData();
    QString dir() const { return m_dir.path() + QStringLiteral("/"); }
    QString file(const QString &name) const { return dir() + name; }
    bool valid() const { return m_ok; }

  private:
    QTemporaryDir m_dir;
    bool m_ok = false;
};

// A main window over the scratch folder with scripted dialogs, shown.
std::unique_ptr<TFormMain> openForm(const ScratchData &data, bool show = true);

// Chooses a menu item as the user does: by its shortcut, pressed on the
// active window, when it has one; otherwise by mouse clicks down the menu
// bar and its submenus.
void useMenuItem(QMainWindow &window, QAction *item);
// The same for a command of the main window named by its object name.
void useCommand(TFormMain &form, const char *name);
void pressShortcut(QWidget &window, QAction *item);
void clickMenuItem(QMainWindow &window, QAction *item);
// A right click at `pos` of a control (a list's viewport) opens its context
// menu; the click on `item` in it follows.
void clickContextMenuItem(QWidget *control, QPoint pos, QAction *item);
// A left double click at `pos` of a control (its centre when not given).
void doubleClick(QWidget *control, std::optional<QPoint> pos = std::nullopt);

// Reads a whole file (empty when missing).
QByteArray readAll(const QString &path);

} // namespace qor::test
