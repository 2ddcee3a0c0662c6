#pragma once
// The program-wide switch of the pop-up hints: while its check item is
// unchecked, every hint request of the application is swallowed.

#include <QObject>
#include <QPointer>

class QAction;

namespace qor {

class HintSwitch : public QObject {
    Q_OBJECT
  public:
    // item: the check item that says whether hints show.
    explicit HintSwitch(QAction *item, QObject *parent = nullptr);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    QPointer<QAction> m_item;
};

} // namespace qor
