#pragma once
// The main window: every region, tab, list, chooser and menu of the program,
// the shared event handlers that tell the controls apart by sender, start-up
// and shutdown, and the layout modes. The window owns the one ProgramState.

#include "common_ui/view_colors.h"
#include "main_window/program_state.h"
#include "main_window/ui/dialog_provider.h"
#include "main_window/ui/form_controls.h"
#include "main_window/ui/menu_command.h"
#include "main_window/ui/platform_adapter.h"
#include "recipe_list/potion_list_ops.h"
#include "visuals/ui/item_pictures.h"
#include "visuals/ui/picture_library.h"

#include <QColor>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>
#include <optional>
#include <span>

class QAbstractItemModel;
class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QHeaderView;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QScrollBar;
class QSplitter;
class QStackedWidget;
class QTabWidget;
class QTableView;
class QToolButton;

namespace qor {

class AltEffectsList;
class AltItemsList;
class ChooserComboBox;
class DragController;
class EffectInfoList;
class FavoritesList;
class FullScreenWindow;
class ItemPicturesSource;
class ItemsInfoList;
class PotionHeader;
class PotionListView;
class ReferenceTablePanel;

// Where the window finds its data and how it talks to the user; tests point
// it at a scratch copy of the data folder and script the dialogs.
struct FormOptions {
    QString dataDir;              // empty: applicationDirPath() + "/Files/"
    bool scriptedDialogs = false; // no dialog ever blocks (tests)
};

// Row-colour mixing: each channel of base times percent/100, rounded half
// to even and capped at 255.
QColor MakeColor2(const QColor &base, int percent);

// The one-byte Cyrillic code-page form of the effect-kind symbol as
// Main.ini stores it; nullopt for a character the code page lacks.
std::optional<std::uint8_t> effColorCharCode(QChar symbol);

// The window's first geometry: the given size, cut down to the screen's
// available area, centred in that area.
QRect centredWindowRect(const QSize &wanted, const QRect &available);

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
    void On_Exit(QWidget *control);
    void On_Change(QObject *sender);
    void On_Popup(QMenu *menu);
    void FormResize(QObject *sender);
    void On_Scroll(int position);
    void HeaderSectionClick(int section);

    // Searches and the recipe selection.
    void SearshFromEffects(bool force);
    void SearshFromItems();
    void AltMakePotion();
    void StartSearshLastType();
    void LbPotionSelectionChanged();
    void RefreshPanelCount();
    void FillLbPotionsFromFavorites(bool all, int index);

    // Layout routines.
    void SetSplittersHeight();
    void SetComboBoxMode(QWidget *window);
    void MakeColor2();
    void SetLBoxLightCellType();
    void SetItemDisplayColor();
    void ToggleFullScreen(bool recipeList);
    void CloseFullScreen();
    const ViewColors &viewColors() const { return m_colors; }
    QColor gridColor2() const { return m_gridColor2; }
    int splitterThickness() const { return m_splitterThickness; }

  protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    friend struct FormMainTestAccess;

    // Building (form_build_*.cpp).
    void buildRegions();
    void buildTabSearchEffects();
    void buildTabSearchItems();
    void buildTabAltMake();
    void buildTabSkills();
    void buildTabHelpFavorites();
    void buildRecipeRegion();
    void buildRecipeStrip();
    void buildGridRegion();
    void connectControls();
    ChooserComboBox *makeChooser(QWidget *parent, const QString &name, int width, int kind);
    void showStartupFailure(const QString &title, const QString &detail, const QString &remedy);

    // Start-up and shutdown (form_startup.cpp).
    void FormCreate();
    void FormShow();
    void ReleaseAll();
    void applySettings();
    void applyRegionSizes();
    void applyFavoritesTabSettings();
    void collectSettings();
    // The double click on the recipe list.
    void recipeDoubleClick(bool ctrl);
    void onGridSelection();
    void showItemPicture(int item);
    void showPotionKindPicture(int kind);

    // Commands (form_commands.cpp).
    void onConditionChanged(QObject *sender);
    void onSkillChanged(QObject *sender);
    void onSkillEditChanged(QLineEdit *edit);
    bool promptWidgetFont(QWidget *widget);
    void onFavoritesClick();
    void prepareFavoritesMenu();
    ListElement currentCellElement() const;
    void afterRecipeListChange(int selectedRow);
    void rebuildRowPictures();
    void SetGridRowHeight(int rowHeight, int headerHeight);
    void AltLBoxsSetView();
    // The font dialog preset with font; on confirmation font takes the
    // chosen face name and size only.
    bool PromptFont(QFont &font);
    bool PromptNumber(QAction *item, int current, int &value, int maximum, int minimum,
                      const QString &prompt = {});
    // PromptNumber within the range of a settings line.
    bool promptSetting(QAction *item, int line, int current, int &value);
    void ExecDebugCmd(const QString &text);
    void restoreSearchSlot(int slot);
    void setConditionControls(const SearchConditions &c);
    void refreshAltLists();
    void selectRecipeRow(int row);
    int selectedRecipeRow() const;

    // The menus (form_build_menus.cpp) built from commandTable(), and the
    // handlers of its rows. The argument is the row's arg.
    void buildMenus();
    void runCommand(QAction *item);
    // The item of a row; a name missing from the table is a programming error.
    QAction *command(const char *name) const;
    void applyCheckSettings(const SettingsBlock &block);
    void collectCheckSettings(SettingsBlock &block) const;
    // Main menu (form_commands.cpp).
    void cmdExit(QAction *item, int noSave);
    void cmdQuickSearch(QAction *item, int);
    void cmdSearchSlot(QAction *item, int mode);
    void cmdDebug(QAction *item, int);
    void cmdBrewingPlan(QAction *item, int);
    // View settings (form_view_commands.cpp).
    void cmdScrollBar(QAction *item, int);
    void cmdCellMarking(QAction *item, int);
    void cmdDrawVertLines(QAction *item, int);
    void cmdGridLines(QAction *item, int);
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
    void cmdGrayDisabled(QAction *item, int);
    void cmdSplitterThickness(QAction *item, int line);
    void cmdDropDownCount(QAction *item, int line);
    void cmdEffectSymbol(QAction *item, int);
    void cmdFastFindTime(QAction *item, int line);
    // The recipe list's context menu (form_recipe_menu.cpp).
    void cmdRecipeDetails(QAction *item, int);
    void cmdGoToNumber(QAction *item, int);
    void cmdAddToFavorites(QAction *item, int);
    void cmdDeleteWithElement(QAction *item, int);
    void cmdCountElement(QAction *item, int);
    void cmdDisableItem(QAction *item, int);
    void cmdDeletePotion(QAction *item, int);
    void cmdResetHeader(QAction *item, int);
    void cmdMarkElement(QAction *item, int isItem);
    void cmdMarkEffectKind(QAction *item, int harmful);
    void cmdMarkersOff(QAction *item, int);
    static void promptDragSetting(TFormMain &f, QAction *item, int line);
    // The favourites' context menu (form_favorites_tab.cpp).
    void cmdFavoriteRename(QAction *item, int);
    void cmdFavoriteDelete(QAction *item, int);

    // Layout (form_layout.cpp).
    void layoutPanelLBox();
    void onCanResize(QSize &proposed);
    void shrinkRecipeStripWidth();

    FormOptions m_options;
    std::unique_ptr<ProgramState> m_state;
    DialogProvider m_dialogs;
    TickClock m_clock;
    ViewColors m_colors;
    QColor m_gridColor2;
    PictureLibrary m_pictureLibrary;
    ItemPictures m_pictures;
    std::unique_ptr<ItemPicturesSource> m_pictureSource;
    QString m_startupError;
    bool m_destroyed = false;
    bool m_inResize = false;
    int m_splitterThickness = 6;
    int m_potionTypeShown = 0;
    QList<int> m_stripWidths;   // recipe strip widths as the user last chose them
    QList<int> m_regionHeights; // region heights as the user last chose them
    int m_displayItem = 0;
    int m_lastFavoriteIndex =
        0; // LastFavoriteIndex: the favourite handled last    // ingredient shown in the picture panel
    TPotionRec m_prevPotion{};
    bool m_enteredItems = false;
    bool m_enteredAlt = false;
    bool m_enteredSkills = false;
    bool m_enteredFavorites = false;
    QPoint m_lbPotionPressPoint;

  public:
    // Every menu item by its name; nullptr for a name no row has.
    QAction *action(const QString &name) const;
    // Every menu, separator and item of the window, in menu order.
    static std::span<const MenuCommand> commandTable();

  private:
    // Search slot commands: the row argument.
    static constexpr int kSaveQuickSlot = 0;
    static constexpr int kRestoreQuickSlot = 1;
    static constexpr int kSaveNumberedSlot = 2;
    static constexpr int kRestoreNumberedSlot = 3;

    QHash<QString, QAction *> m_actions;
    QHash<const QAction *, const MenuCommand *> m_commandRows;
    QPointer<QWidget> m_localMenuTarget;
    ReferenceTablePanel *m_grid = nullptr;
    DragController *m_drag = nullptr; // drag and drop; also the tool windows' lists join here
};

} // namespace qor
