#pragma once
// Cell hints: on every mouse move over the recipe list, the reference table,
// the recipe's ingredient and effect lists, the two list headers, the help
// list and the choosers, the text of the cell under the mouse is measured;
// when the cell cuts it short, the program's hint window shows it whole,
// laid over the cell (below headers and choosers). The hint switch of the
// menu turns them all off.
//
// Each part registers its hint-capable controls with their role when it
// joins the window's routers (the tool windows' lists when each window is
// first made).

#include "common_ui/hint_window.h"

#include <QFont>
#include <QHash>
#include <QObject>
#include <QPoint>
#include <QPointer>

#include <functional>
#include <memory>

class QAbstractItemView;
class QTableView;
class QWidget;

namespace qor {

class ChooserComboBox;
class EffectInfoList;
class PotionHeader;
class PotionListView;
struct ProgramState;
struct ViewColors;

class CellHints : public QObject {
    Q_OBJECT
  public:
    // No hint shows while the settings' hint flag is off. window: parent of
    // the hint window.
    CellHints(const ProgramState &state, const ViewColors &colors, QWidget *window);
    ~CellHints() override;

    // The recipe list with its header and its own vertical bar (which
    // covers the region's right edge); the recipe's effect list with its
    // header; the reference table with its header.
    void watchRecipeList(PotionListView *list, PotionHeader *header, QWidget *rowBar);
    void watchEffectList(EffectInfoList *list, PotionHeader *header);
    void watchGrid(QTableView *grid);

    // A row's text, and where it starts in the row (pixels from the left).
    using RowText = std::function<QString(int row)>;
    using RowIndent = std::function<int(int row)>;
    // A list whose rows show their whole text when the list cuts it.
    void addList(QAbstractItemView *list, RowText text, RowIndent indent = {});
    void addChooser(ChooserComboBox *chooser);

    // The cell-hint builder for a mouse position over control (in the
    // coordinates of the widget that gets the control's mouse events: the
    // viewport of a list, table or header, the chooser itself).
    void UpdateCellHint(QWidget *control, const QPoint &pos);
    // Empty text hides the hint; the same text at the same place for the
    // same control leaves the window untouched.
    void ShowCellHint(const QPoint &position, QWidget *control, const QString &text);
    void HideCellHint();

    // The hint window, null until the first hint.
    TQORHintWindow *hintWindow() const { return m_window; }
    bool hintVisible() const;
    QWidget *HintControl() const { return m_hintControl; }
    QPoint HintPos() const { return m_hintPos; }

  Q_SIGNALS:
    // A hint was put up (not emitted when the window is left as it is).
    void hintShown(QWidget *control, const QString &text);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    enum class Kind { Recipes, RecipeHeader, EffectHeader, Effects, Grid, GridHeader, List, Chooser };
    struct Source {
        Kind kind = Kind::List;
        QWidget *control = nullptr;
        RowText text;
        RowIndent indent;
    };
    // What the builder found: the text (empty: nothing cut off), where the
    // hint goes in the coordinates of the event widget, its font and height.
    struct Built {
        QString text;
        QPoint pos;
        QFont font;
        int height = 0;
    };

    void addSource(QWidget *eventWidget, Source source);
    const Source *sourceOf(const QWidget *control) const;
    QWidget *eventWidgetOf(const QWidget *control) const;
    Built build(const Source &source, QWidget *eventWidget, const QPoint &pos) const;
    Built buildRecipes(QWidget *eventWidget, const QPoint &pos) const;
    Built buildRecipeHeader(const PotionHeader &header, QWidget *eventWidget, const QPoint &pos) const;
    Built buildEffects(QWidget *eventWidget, const QPoint &pos) const;
    Built buildGrid(QWidget *eventWidget, const QPoint &pos) const;
    Built buildGridHeader(QWidget *eventWidget, const QPoint &pos) const;
    Built buildList(const Source &source, const QPoint &pos) const;
    Built buildChooser(const Source &source) const;
    // The visible band of the recipe region in the coordinates of w.
    std::pair<int, int> recipeBand(const QWidget *w) const;
    // The platform's hint height for a font.
    static int plainHeight(const QFont &font);
    // Font, height and place of the window before it shows.
    void On_ShowHint(QWidget *control);
    bool enabled() const;

    const ProgramState &m_state;
    const ViewColors &m_colors;
    QPointer<QWidget> m_parentWindow;
    // The controls of the roles above (null until registered).
    PotionListView *m_recipes = nullptr;
    PotionHeader *m_recipeHeader = nullptr;
    QWidget *m_recipeRowBar = nullptr;
    PotionHeader *m_effectHeader = nullptr;
    EffectInfoList *m_effects = nullptr;
    QTableView *m_grid = nullptr;
    QHash<const QObject *, Source> m_sources; // by event widget
    QPointer<TQORHintWindow> m_window;
    QPointer<QWidget> m_hintControl;
    QPoint m_hintPos;
    QString m_hintText;
    QFont m_pendingFont;
    int m_pendingHeight = 0;
    int m_markWidth = 0; // sort mark with its gap
};

} // namespace qor
