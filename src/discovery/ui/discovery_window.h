#pragma once
// The window "Изучение эффектов": the best single experiments, the plan
// with the fewest steps that shows every effect that can be shown (from the
// stock or from any number of ingredients, with or without eating, with at
// most N brews), the effects no step can show, and a button that takes a
// step of the plan and marks what it teaches. The plan is made on a worker
// thread, which the player can stop for the best plan found so far.

#include "discovery/known_store.h"

#include <QWidget>

#include <atomic>
#include <memory>
#include <thread>

class QCheckBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace qor {

class DiscoveryWindow : public QWidget {
    Q_OBJECT
  public:
    DiscoveryWindow(KnownStore &store, const QString &settingsDir, QWidget *parent = nullptr);
    // Stops a solve still running and waits for its thread.
    ~DiscoveryWindow() override;

    // Starts computing the experiments and the plan for the options shown;
    // nothing when a computation runs already.
    void recompute();
    // Asks the running computation to stop; it ends with the best plan so far.
    void cancelSolve();
    bool isSolving() const { return m_worker.joinable(); }

  Q_SIGNALS:
    // A computation ended and its results are shown.
    void planFinished();

  protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

  private:
    struct Outcome;
    void buildControls();
    void setSolving(bool on);
    void onPlanning();
    void onFinished(const std::shared_ptr<Outcome> &outcome);
    void joinWorker();
    void applySelectedStep();
    void refreshAfterChange();
    void showPlanSteps();
    void showBest(std::span<const DiscoveryStep> steps);
    QString stepText(const DiscoveryStep &step) const;
    QString slotText(int item, int slot) const;

    KnownStore &m_store;
    QString m_settingsDir;
    std::vector<DiscoveryStep> m_steps;
    std::thread m_worker;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    QString m_stockNote;            // why the stock of the running computation was not read
    DiscoveryOptions m_lastOptions; // of the last plan, for the lists kept up to date
    StockCounts m_lastStock;
    QCheckBox *m_fromStock = nullptr;
    QCheckBox *m_eating = nullptr;
    QSpinBox *m_maxBrews = nullptr;
    QPushButton *m_compute = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QProgressBar *m_busy = nullptr;
    QListWidget *m_best = nullptr;
    QListWidget *m_plan = nullptr;
    QListWidget *m_never = nullptr;
    QLabel *m_summary = nullptr;
    QPushButton *m_apply = nullptr;
};

// Shows the one window of the parent, made on first use.
DiscoveryWindow *showDiscoveryWindow(QWidget *parent, KnownStore &store, const QString &settingsDir);

} // namespace qor
