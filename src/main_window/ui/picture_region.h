#pragma once
// The picture panel of the recipe strip: the reference table's current
// ingredient shown in it (or in the floating picture it moves into), its
// background and see-through mode, and the display pictures rebuilt on that
// background.

#include "main_window/ui/window_context.h"

#include <QObject>

class QAction;
class QFrame;
class QLabel;

namespace qor {

class FloatingPicture;
class ReferenceTablePanel;

class PictureRegion : public QObject {
    Q_OBJECT
  public:
    // The panel and its picture (the recipe strip's PanelItemDisplay and
    // Image), the table whose current ingredient it shows, and the
    // fly-picture check item.
    struct Sources {
        QFrame &panel;
        QLabel &image;
        ReferenceTablePanel &grid;
        const QAction &flyMode;
    };
    PictureRegion(const WindowContext &ctx, const Sources &sources);
    ~PictureRegion() override;

    FloatingPicture &floating() const { return *m_floating; }

    // The table's current row changed: its ingredient is shown.
    void onGridSelection();
    // The display pictures rebuilt on the panel's background (see-through
    // colour in the fly-picture mode) and shown again.
    void pictureRefresh();
    void showItemPicture(int item);
    // The panel's background; see-through in the fly-picture mode.
    void SetItemDisplayColor();

  Q_SIGNALS:
    // The display pictures were made anew: whoever shows one shows it again.
    void displayPicturesRebuilt();

  private:
    QColor displayBackground() const;

    WindowContext m_ctx;
    ReferenceTablePanel &m_grid;
    const QAction &m_flyMode;
    FloatingPicture *m_floating = nullptr;
    int m_displayItem = 0; // ingredient shown in the panel
};

} // namespace qor
