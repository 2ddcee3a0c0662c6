#pragma once
// Drag and drop of the main window, and the mouse presses that share its
// handler. One drag at a time: a press on a source picks up a payload, the
// window's own mouse tracking (the implicit grab of the press plus an
// application event filter while a payload is pending) starts the drag,
// finds the control under the cursor, asks the accept rules and performs the
// drop on release. Escape, a modal dialog, a popup, another application or a
// closed window end the drag without a drop. Each part registers the
// controls it owns with their role; the tool windows add their lists with
// addToolList.

#include "input/drag_rules.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class QAbstractItemView;
class QComboBox;
class QFont;
class QMouseEvent;
class QWidget;

namespace qor {

class DialogProvider;
class DragImageWindow;
class ItemPictures;
struct ProgramState;
struct ViewColors;

// The reference table as drags see it: the picture's ingredient comes from
// its current row, and drops on it move or re-sort it.
class DragGrid {
  public:
    virtual int currentItem() const = 0;
    // mode 0: show an ingredient's row, 1: sort by an effect.
    virtual void showInGrid(int value, int mode, bool byRow) = 0;
    virtual void repaintCells() = 0;
    virtual void exchangeEffectSlot(int effect, int column, bool resort) = 0;

  protected:
    ~DragGrid() = default;
};

class DragController : public QObject {
    Q_OBJECT
  public:
    DragController(ProgramState &state, DialogProvider &dialogs, const ItemPictures &pictures,
                   const ViewColors &colors, DragGrid &grid, QWidget *window);
    ~DragController() override;

    // A control of the window takes part with a role; a list is watched on
    // its viewport. A control registered twice keeps its first role, so a
    // part registers its drag sources before registerPressControls.
    void registerControl(QWidget *control, DragControl role);
    // Every chooser and check box under root not registered yet: they only
    // have the press actions (right button clears or toggles, middle toggles).
    void registerPressControls(QWidget *root);

    // A list of a tool window joins the drags: role FavoriteItems,
    // FavoriteEffects or UsedItems. elementAt gives a row's ingredient or
    // effect (0 or less: none); afterDrop gets the row to select after a
    // drop changed or chose something. The list may be deleted at any time.
    void addToolList(QAbstractItemView *list, DragControl role, std::function<int(int row)> elementAt,
                     std::function<void(int row)> afterDrop);

    const DragState &dragState() const { return m_drag; }
    // The drag picture, once the first drag made it; nullptr before.
    const DragImageWindow *imageWindow() const { return m_image.get(); }
    bool timerRunning() const { return m_timer.isActive(); }

    // The shared handlers. The mouse handlers get the control's own (for a
    // list: its viewport's) event and return whether they consumed it.
    bool On_MouseDown(QObject *sender, QMouseEvent *event);
    bool On_MouseMove(QMouseEvent *event);
    bool On_MouseUp(QMouseEvent *event);
    // Accept flag of the control under a global point; runs the timer tick.
    bool On_DragOver(QPoint globalPos);
    void On_DragDrop(QPoint globalPos, Qt::KeyboardModifiers modifiers);
    void On_EndDrag();
    void On_StartDrag();
    void StartDrag(QWidget *control);
    void On_Timer();

    // The drag commands that need more than a settings value.
    QFont dragFont() const;
    void setDragFont(const QFont &font);
    void chooseTextColor();

  Q_SIGNALS:
    // A drop or a right press chose a chooser's current entry again: its
    // command runs once as if the entry had changed.
    void chooserReselected(QObject *chooser);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    class AppFilter;
    bool appEvent(QObject *watched, QEvent *event);
    bool isPickUpPress(const QMouseEvent *event) const;

    // A control that takes part: area receives its mouse events (a list's
    // viewport), control is the control itself.
    struct Entry {
        DragControl role = DragControl::None;
        QPointer<QWidget> control;
        QPointer<QWidget> area;
        std::function<int(int)> elementAt;
        std::function<void(int)> afterDrop;
    };

    void watch(QWidget *control, DragControl role, QWidget *area = nullptr);
    const Entry *entryOfArea(const QObject *area) const;
    const Entry *entryAt(QPoint globalPos) const;
    void pickUp(const Entry &entry, QPoint pos, QMouseEvent *event);
    bool pickUpFromChooser(const Entry &entry, QMouseEvent *event);
    bool rightPress(const Entry &entry, QMouseEvent *event);
    bool middlePress(const Entry &entry);
    DropSpot spotOf(const Entry &entry, QPoint local) const;
    void drop(const Entry &entry, QPoint local, Qt::KeyboardModifiers modifiers);
    void setChooserIndex(QComboBox *combo, int index);
    void setListening(bool on);
    void endWhenInterrupted();
    void prepareImage();
    QString payloadText() const;

    ProgramState &m_state;
    DialogProvider &m_dialogs;
    const ItemPictures &m_pictures;
    const ViewColors &m_colors;
    DragGrid &m_grid;
    QWidget *m_window;

    std::vector<Entry> m_entries;
    DragState m_drag;
    QPointer<QWidget> m_sourceControl;
    QPoint m_pressGlobal;
    QPoint m_cursor; // global position of the last mouse event of the drag
    // The press that picked up the payload; a parent gets a copy of it.
    struct PressStamp {
        quint64 time = 0;
        QPoint global;
        Qt::MouseButton button = Qt::NoButton;
    } m_pressStamp;
    std::unique_ptr<AppFilter> m_appFilter;
    bool m_listening = false;
    bool m_cursorSet = false;
    QTimer m_timer; // TimerDrag
    std::unique_ptr<DragImageWindow> m_image;
};

} // namespace qor
