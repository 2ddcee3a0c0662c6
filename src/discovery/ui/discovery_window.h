#pragma once
// The window "Изучение эффектов": the best single experiments, the plan
// with the fewest steps that shows every effect that can be shown (from the
// stock or from any number of ingredients, with or without eating, with at
// most N brews), the effects no step can show, and a button that takes a
// step of the plan and marks what it teaches.

#include "discovery/known_store.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace qor {

class DiscoveryWindow : public QWidget {
    Q_OBJECT
  public:
    DiscoveryWindow(KnownStore &store, const QString &settingsDir, QWidget *parent = nullptr);

    // Recomputes the experiments and the plan for the options shown.
    void recompute();

  protected:
    void keyPressEvent(QKeyEvent *event) override;

  private:
    void buildControls();
    void applySelectedStep();
    void refreshAfterChange();
    void showPlanSteps();
    QStringList bestLines(const DiscoveryOptions &options) const;
    QString stepText(const DiscoveryStep &step) const;
    QString slotText(int item, int slot) const;

    KnownStore &m_store;
    QString m_settingsDir;
    std::vector<DiscoveryStep> m_steps;
    DiscoveryOptions m_lastOptions; // of the last plan, for the lists kept up to date
    StockCounts m_lastStock;
    QCheckBox *m_fromStock = nullptr;
    QCheckBox *m_eating = nullptr;
    QSpinBox *m_maxBrews = nullptr;
    QPushButton *m_compute = nullptr;
    QListWidget *m_best = nullptr;
    QListWidget *m_plan = nullptr;
    QListWidget *m_never = nullptr;
    QLabel *m_summary = nullptr;
    QPushButton *m_apply = nullptr;
};

// Shows the one window of the parent, made on first use.
DiscoveryWindow *showDiscoveryWindow(QWidget *parent, KnownStore &store, const QString &settingsDir);

} // namespace qor
