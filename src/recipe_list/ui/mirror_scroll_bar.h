#pragma once
// A scroll bar that stands in for another one shown elsewhere. The recipe
// list slides left and right with its header, so its own vertical scroll bar
// would slide off the window; this bar stays at the edge of the region and
// drives the list's bar (range, steps and value in both directions).

#include <QPointer>
#include <QScrollBar>

namespace qor {

class MirrorScrollBar : public QScrollBar {
    Q_OBJECT
  public:
    MirrorScrollBar(QScrollBar *source, QWidget *parent = nullptr);

  private:
    void takeRange();

    QPointer<QScrollBar> m_source;
};

} // namespace qor
