#pragma once
// The tool window "План варки": the stock as an editable list, the plan's
// options, and the plan made off the UI thread with progress and cancel.

#include "brewing_plan/plan_run.h"
#include "brewing_plan/plan_settings_file.h"
#include "brewing_plan/stock_file.h"
#include "game_data/game_data.h"

#include <QWidget>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;

namespace qor {

class ItemPictures;

// What the window reads of the program. The references must outlive it and
// its solve (the main window owns them). A solve shares data, of which it
// reads only the effect kinds and the counts (fixed after loading); the
// strengths and skills are copied for each solve, so the program may change
// them while a plan is being made.
struct BrewingPlanContext {
    const GameData &data;
    const EffectStrengths &strengths;
    const SkillSettings &skills;
    const std::vector<std::uint8_t> &itemAvailable; // the current ingredient set
    const ItemPictures *pictures = nullptr;         // nullptr: no pictures
    // Shows a warning (the main window's message box; tests record it).
    std::function<void(const QString &)> warn;
    QString settingsDir; // where Stock.ini and Plan.ini are kept
};

class BrewingPlanWindow : public QWidget {
    Q_OBJECT
  public:
    explicit BrewingPlanWindow(const BrewingPlanContext &context, QWidget *parent = nullptr);
    ~BrewingPlanWindow() override;

    const StockCounts &stock() const { return m_stock; }
    // The last finished plan; nullptr before the first.
    const BrewingPlanOutcome *outcome() const { return m_outcome.get(); }
    bool isSolving() const { return m_worker.joinable(); }

    // "N of each ingredient at hand" (also the fill button with its spin box).
    void fillFromAvailable(std::int32_t count);
    void startPlan();
    void cancelPlan();

  Q_SIGNALS:
    void planFinished();

  protected:
    void keyPressEvent(QKeyEvent *event) override;

  private:
    void buildControls();
    void warn(const QString &text);
    void loadStock();
    void saveStock();
    void showStock();
    void onStockEdited(QTableWidgetItem *item);
    PlanOptions currentOptions() const;
    PlanWindowSettings currentSettings() const;
    void loadSettings();
    void saveSettings();
    void onProgress(std::int64_t best, std::int64_t bound);
    void onFinished(std::shared_ptr<BrewingPlanOutcome> outcome);
    void showPlan();
    void setSolving(bool on);
    void joinWorker();
    QIcon recipeIcon(const TPotionRec &rec) const;
    QIcon itemIcon(int item) const;

    BrewingPlanContext m_ctx;
    StockCounts m_stock;
    // The stock file on disk could not be read: kept as a backup before a save.
    bool m_stockToBackUp = false;
    std::unique_ptr<BrewingPlanOutcome> m_outcome;
    std::thread m_worker;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    std::shared_ptr<BestPlanSoFar> m_bestSoFar; // of the run going on
    bool m_filling = false;
    PlanWindowSettings m_savedSettings; // as Plan.ini holds them

    QGroupBox *m_stockBox = nullptr;
    QTableWidget *m_stockTable = nullptr;
    QSpinBox *m_fillCount = nullptr;
    QComboBox *m_countMode = nullptr;
    QComboBox *m_kind = nullptr;
    QComboBox *m_effect = nullptr;
    QComboBox *m_objective = nullptr;
    QDoubleSpinBox *m_timeLimit = nullptr;
    QPushButton *m_planButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_progressLabel = nullptr;
    QTableWidget *m_planTable = nullptr;
    QLabel *m_summary = nullptr;
    QListWidget *m_leftOver = nullptr;
};

// Shows the window as a child tool window of parent, creating it on first use.
BrewingPlanWindow *showBrewingPlanWindow(QWidget *parent, const BrewingPlanContext &context);

} // namespace qor
