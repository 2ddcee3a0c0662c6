#pragma once
// The top-most window into which the recipe list or the reference table is
// moved to fill the screen. It reports its close (also by Escape) and its
// resize; the main window moves the panels back and lays them out.

#include <QWidget>

namespace qor {

class FullScreenWindow : public QWidget {
    Q_OBJECT
  public:
    explicit FullScreenWindow(const QFont &font);

  Q_SIGNALS:
    void closing();
    void resized();

  protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};

} // namespace qor
