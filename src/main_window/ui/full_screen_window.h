#pragma once
// The top-most window into which the recipe list or the reference table is
// moved to fill the screen. Its close, Escape and resize go back to the main
// window.

#include <QWidget>

namespace qor {

class TFormMain;

class FullScreenWindow : public QWidget {
    Q_OBJECT
  public:
    explicit FullScreenWindow(TFormMain &form);

  protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

  private:
    TFormMain &m_form;
};

} // namespace qor
