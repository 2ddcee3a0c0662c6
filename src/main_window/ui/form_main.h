#pragma once
// The main window: every region, tab, list, chooser and menu of the program,
// the shared event handlers that tell the controls apart by sender, start-up
// and shutdown, and the layout modes. The window owns the one ProgramState.

#include "common_ui/dialog_provider.h"
#include "common_ui/platform_adapter.h"
#include "common_ui/view_colors.h"
#include "main_window/ui/form_controls.h"
#include "main_window/ui/menu_command.h"
#include "main_window/ui/window_context.h"
#include "recipe_list/potion_list_ops.h"
#include "session/program_state.h"
#include "settings/stored_geometry.h"
#include "visuals/ui/item_pictures.h"
#include "visuals/ui/picture_library.h"

#include <QColor>
#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <span>

class QAction;
class QMenu;

namespace qor {

// The window's parts (the controls are declared with FormControls).
class AltMakeTab;
class CellHints;
class ControlCommands;
class DragController;
class FavoritesTab;
class PictureRegion;
class HelpPanel;
class IngredientSearchTab;
class ItemPicturesSource;
class KeyRouter;
class RecipeFinder;
class RecipeListRegion;
class RegionLayout;
class SearchInputs;
class SettingsBinding;
class SkillsTab;
class ToolWindows;
class ViewCommands;
class WheelRouter;
class WindowKeyHost;

// Where the window finds its data and how it talks to the user; tests point
// it at a scratch copy of the data folder and script the dialogs.
struct FormOptions {
    QString dataDir;              // empty: applicationDirPath() + "/Files/"
    bool scriptedDialogs = false; // no dialog ever blocks (tests)
};

class TFormMain : public QMainWindow, private FormControls {
    Q_OBJECT
  public:
    explicit TFormMain(const FormOptions &options = {}, QWidget *parent = nullptr);
    ~TFormMain() override;

    ProgramState &state() { return *m_state; }
    const ProgramState &state() const { return *m_state; }
    DialogProvider &dialogs() { return m_dialogs; }
    TickClock &clock() { return m_clock; }
    // The start-up error text, empty when start-up completed.
    QString startupError() const { return m_startupError; }
    // Writes the settings (unless "Выход без сохранения") and frees the
    // tables; runs once, from the close event or the destructor.
    void FormDestroy();

    // Shared handlers: the sender tells the controls apart.
    void On_Click(QObject *sender);
    void On_DblClick(QObject *sender);
    void On_Enter(QWidget *tab);
    // After the window's own resize: the regions share its new size.
    void FormResize();

    // Searches and the favourites shown in the recipe list.
    void SearshFromEffects(bool force);
    void AltMakePotion();
    void StartSearshLastType();
    void FillLbPotionsFromFavorites(bool all, int index);

    // Layout routines.
    void ToggleFullScreen(bool recipeList);
    void CloseFullScreen();
    const ViewColors &viewColors() const { return m_colors; }
    QColor gridColor2() const;
    int splitterThickness() const;

  protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

  private:
    // Once the window manager has framed the window (after the first show
    // and after un-maximising): the minimum size leaves room for the frame on
    // a small screen; with placeWindow (un-maximised) a normal window is
    // moved and made smaller until its title bar lies on the screen.
    void keepFrameOnScreen(bool placeWindow);

    friend struct FormMainTestAccess;

    void connectControls();
    // What the window's parts share.
    WindowContext context();
    // The look commands and the Main.ini binding, once every part built its
    // controls.
    void buildViewCommands();
    void buildToolWindows();
    void showStartupFailure(const QString &title, const QString &detail, const QString &remedy);

    // Start-up and shutdown (form_startup.cpp).
    void FormCreate();
    void FormShow();
    void ReleaseAll();

    // Commands (form_commands.cpp).
    bool PromptNumber(QAction *item, int current, int &value, int maximum, int minimum,
                      const QString &prompt = {});
    // A command row handled by one of the window's parts.
    template <void (RecipeListRegion::*Handler)(QAction *, int)>
    static void onRecipes(TFormMain &form, QAction *item, int arg) {
        (form.m_recipes.get()->*Handler)(item, arg);
    }
    template <void (SearchInputs::*Handler)(QAction *, int)>
    static void onInputs(TFormMain &form, QAction *item, int arg) {
        (form.m_inputs.get()->*Handler)(item, arg);
    }
    template <void (ViewCommands::*Handler)(QAction *, int)>
    static void onView(TFormMain &form, QAction *item, int arg) {
        (form.m_view.get()->*Handler)(item, arg);
    }
    void ExecDebugCmd(const QString &text);

    // The menus (form_build_menus.cpp) built from commandTable() before the
    // parts that are handed their items, and the handlers of its rows. The
    // argument is the row's arg.
    void buildMenus();
    // The context menus to the parts that prepare them.
    void attachMenus();
    void runCommand(QAction *item);
    // A Main.ini line changed: its check item (and what depends on it) follows.
    void followFlag(int line);
    // Main menu (form_commands.cpp).
    void cmdExit(QAction *item, int noSave);
    void cmdDebug(QAction *item, int);
    void cmdBrewingPlan(QAction *item, int);

    FormOptions m_options;
    std::unique_ptr<ProgramState> m_state;
    DialogProvider m_dialogs;
    TickClock m_clock;
    ViewColors m_colors;
    PictureLibrary m_pictureLibrary;
    ItemPictures m_pictures;
    std::unique_ptr<ItemPicturesSource> m_pictureSource;
    std::unique_ptr<ViewCommands> m_view;
    std::unique_ptr<RecipeListRegion> m_recipes;
    std::unique_ptr<FavoritesTab> m_favorites;
    std::unique_ptr<RegionLayout> m_layout;
    std::unique_ptr<SearchInputs> m_inputs;
    std::unique_ptr<SkillsTab> m_skills;
    std::unique_ptr<IngredientSearchTab> m_ingredients;
    std::unique_ptr<AltMakeTab> m_altMake;
    // The command of each input control, for the dispatcher and the routers.
    std::unique_ptr<ControlCommands> m_controlCommands;
    std::unique_ptr<SettingsBinding> m_settings;
    QString m_startupError;
    bool m_destroyed = false;
    bool m_inResize = false;

  public:
    // Every menu item by its name, for the tests; nullptr for a name no row
    // has.
    QAction *action(const QString &name) const;
    // Every menu, separator and item of the window, in menu order.
    static std::span<const MenuCommand> commandTable();

  private:
    QHash<QString, QAction *> m_actions;
    QHash<const QAction *, const MenuCommand *> m_commandRows;
    QHash<int, QAction *> m_flagItems; // by Main.ini line
    MenuItems m_items;

    // Help page and find dialog; the keys, wheel, drags and hints with the
    // parts' registrations (form_keyboard.cpp).
    void buildKeyboard();
    void buildRouters();
    std::unique_ptr<WindowKeyHost> m_keyHost;
    KeyRouter *m_keys = nullptr;
    WheelRouter *m_wheel = nullptr;
    HelpPanel *m_help = nullptr;
    RecipeFinder *m_finder = nullptr;
    CellHints *m_cellHints = nullptr; // the hint-capable controls join here
    std::unique_ptr<PictureRegion> m_picture;
    DragController *m_drag = nullptr; // drag and drop; also the tool windows' lists join here
    // Last member: the tool windows go before the state they read.
    std::unique_ptr<ToolWindows> m_toolWindows;
};

} // namespace qor
