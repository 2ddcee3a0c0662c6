// The "План варки" window on a small data set: the stock list and its file,
// a plan made off the UI thread, and closing the window while it runs.

#include "brewing_plan/stock_file.h"
#include "brewing_plan/ui/brewing_plan_window.h"
#include "common/test_data.h"

#include <QAbstractAnimation>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <random>

namespace qor {
namespace {

void ensureApplication() {
    static int argc = 1;
    static char name[] = "test_brewing_plan_ui";
    static char *argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr)
        new QApplication(argc, argv);
}

class PlanWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureApplication();
        ASSERT_TRUE(m_dir.isValid());
        std::mt19937_64 rng(11);
        m_data = test::buildData(test::randomSmallDataSet(rng, 8, 6));
        m_available = test::allAvailable(m_data);
        m_available[2] = 0;
    }
    std::unique_ptr<BrewingPlanWindow> open() {
        m_strengths = RecalcItemEffects(m_data, m_skills);
        BrewingPlanContext ctx{m_data,      m_strengths,
                               m_skills,    m_available,
                               nullptr,     [this](const QString &text) { m_warnings.append(text); },
                               m_dir.path()};
        return std::make_unique<BrewingPlanWindow>(ctx);
    }
    QString stockPath() const { return StockFilePath(m_dir.path()); }
    QString settingsPath() const { return PlanSettingsFilePath(m_dir.path()); }
    static int runningAnimations(const QWidget &window) {
        int running = 0;
        for (const QAbstractAnimation *a : window.findChildren<QAbstractAnimation *>())
            running += a->state() == QAbstractAnimation::Running;
        return running;
    }
    // A style animation notices at its next frame that its widget was hidden
    // and stops then: give it a few frames.
    static int animationsLeftRunning(const QWidget &window) {
        for (int frame = 0; frame < 50 && runningAnimations(window) > 0; ++frame)
            QTest::qWait(20);
        return runningAnimations(window);
    }

    QTemporaryDir m_dir;
    GameData m_data;
    EffectStrengths m_strengths;
    SkillSettings m_skills;
    std::vector<std::uint8_t> m_available;
    QStringList m_warnings;
};

TEST_F(PlanWindow, FillsTheStockFromTheSetAndKeepsItInItsFile) {
    auto window = open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("План варки"));
    auto *table = window->findChild<QTableWidget *>(QStringLiteral("StockTable"));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 8);

    window->fillFromAvailable(4);
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("4"));
    EXPECT_EQ(table->item(1, 1)->text(), QStringLiteral("0")); // not in the set
    StockCounts onDisk;
    ASSERT_TRUE(ReadStock(stockPath(), m_data.itemRecordCount(), onDisk).ok());
    EXPECT_EQ(onDisk, window->stock());

    // Typed counts are held to 0..9999; text that is no number changes nothing.
    table->item(2, 1)->setText(QStringLiteral("12345"));
    EXPECT_EQ(window->stock()[3], 9999);
    EXPECT_EQ(table->item(2, 1)->text(), QStringLiteral("9999"));
    table->item(2, 1)->setText(QStringLiteral("много"));
    EXPECT_EQ(window->stock()[3], 9999);
    ASSERT_TRUE(ReadStock(stockPath(), m_data.itemRecordCount(), onDisk).ok());
    EXPECT_EQ(onDisk[3], 9999);

    // A second window reads what the first one wrote.
    auto again = open();
    EXPECT_EQ(again->stock(), window->stock());
    EXPECT_TRUE(m_warnings.isEmpty());
}

TEST_F(PlanWindow, DamagedStockFileWarnsAndStartsEmpty) {
    QFile f(stockPath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("QOR-STOCK 1\r\n1 lots\r\n");
    f.close();
    auto window = open();
    ASSERT_EQ(m_warnings.size(), 1);
    EXPECT_TRUE(m_warnings[0].contains(QStringLiteral("строка 2")));
    EXPECT_EQ(window->stock(), StockCounts(std::size_t(m_data.itemRecordCount()), 0));
}

TEST_F(PlanWindow, MakesThePlanOffTheUiThreadAndShowsIt) {
    auto window = open();
    window->show();
    window->fillFromAvailable(3);
    QSignalSpy finished(window.get(), &BrewingPlanWindow::planFinished);
    auto *button = window->findChild<QPushButton *>(QStringLiteral("PlanButton"));
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(window->isSolving() || finished.count() == 1);
    EXPECT_FALSE(button->isEnabled() && window->isSolving());
    ASSERT_TRUE(finished.count() == 1 || finished.wait(60000));
    EXPECT_FALSE(window->isSolving());
    EXPECT_TRUE(button->isEnabled());
    // Idle again: no busy bar, no style animation ticking, no worker.
    auto *busy = window->findChild<QProgressBar *>(QStringLiteral("PlanBusy"));
    ASSERT_NE(busy, nullptr);
    EXPECT_FALSE(busy->isVisible());
    EXPECT_NE(busy->minimum(), busy->maximum());
    EXPECT_EQ(animationsLeftRunning(*window), 0);

    const BrewingPlanOutcome *outcome = window->outcome();
    ASSERT_NE(outcome, nullptr);
    EXPECT_EQ(outcome->exact.status, PlanSolveStatus::Optimal);
    EXPECT_TRUE(PlanFitsStock(outcome->recipes, outcome->exact.plan.times, window->stock()));
    int brewed = 0;
    for (std::int32_t t : outcome->exact.plan.times)
        brewed += t > 0;
    ASSERT_GT(brewed, 0);
    auto *plan = window->findChild<QTableWidget *>(QStringLiteral("PlanTable"));
    EXPECT_EQ(plan->rowCount(), brewed);
    // Rows run from the biggest contribution down; the last column is times × price.
    for (int row = 0; row < plan->rowCount(); ++row) {
        EXPECT_EQ(plan->item(row, 3)->text().toLongLong(),
                  plan->item(row, 1)->text().toLongLong() * plan->item(row, 2)->text().toLongLong());
        if (row > 0) {
            EXPECT_LE(plan->item(row, 3)->text().toLongLong(), plan->item(row - 1, 3)->text().toLongLong());
        }
    }
    const QString summary = window->findChild<QLabel *>(QStringLiteral("PlanSummary"))->text();
    EXPECT_TRUE(summary.contains(QStringLiteral("План наилучший"))) << summary.toStdString();
    EXPECT_GT(window->findChild<QListWidget *>(QStringLiteral("PlanLeftOver"))->count(), 0);
}

// The options are kept in Plan.ini between runs; a damaged file is reported
// and the defaults used; Esc closes the window; it fits a 640 × 480 screen.
TEST_F(PlanWindow, KeepsItsOptionsClosesOnEscAndFitsASmallScreen) {
    auto window = open();
    window->show();
    EXPECT_FALSE(QFile::exists(settingsPath())); // nothing changed, nothing written
    auto *kind = window->findChild<QComboBox *>(QStringLiteral("PlanKind"));
    auto *objective = window->findChild<QComboBox *>(QStringLiteral("PlanObjective"));
    auto *effect = window->findChild<QComboBox *>(QStringLiteral("PlanEffect"));
    auto *time = window->findChild<QDoubleSpinBox *>(QStringLiteral("PlanTimeLimit"));
    ASSERT_TRUE(kind && objective && effect && time);
    QTest::keyClick(kind, Qt::Key_Up);
    QTest::keyClick(objective, Qt::Key_Down);
    QTest::keyClick(effect, Qt::Key_Down);
    QTest::keyClick(effect, Qt::Key_Down);
    QTest::keyClick(time, Qt::Key_Up);
    EXPECT_EQ(kind->currentIndex(), 1);
    EXPECT_EQ(objective->currentIndex(), 1);
    EXPECT_EQ(effect->currentData().toInt(), 2);
    EXPECT_DOUBLE_EQ(time->value(), 31.0);

    EXPECT_LE(window->minimumSizeHint().width(), 640);
    EXPECT_LE(window->minimumSizeHint().height(), 440);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    window.reset();

    auto again = open();
    EXPECT_EQ(again->findChild<QComboBox *>(QStringLiteral("PlanKind"))->currentIndex(), 1);
    EXPECT_EQ(again->findChild<QComboBox *>(QStringLiteral("PlanObjective"))->currentIndex(), 1);
    EXPECT_EQ(again->findChild<QComboBox *>(QStringLiteral("PlanEffect"))->currentData().toInt(), 2);
    EXPECT_DOUBLE_EQ(again->findChild<QDoubleSpinBox *>(QStringLiteral("PlanTimeLimit"))->value(), 31.0);
    EXPECT_TRUE(m_warnings.isEmpty());
    again.reset();

    QFile f(settingsPath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("QOR-PLAN 1\r\nkind 7\r\n");
    f.close();
    auto damaged = open();
    ASSERT_EQ(m_warnings.size(), 1);
    EXPECT_TRUE(m_warnings[0].contains(QStringLiteral("строка 2")));
    EXPECT_EQ(damaged->findChild<QComboBox *>(QStringLiteral("PlanKind"))->currentIndex(), 2);
}

// A long solve (a large stock, an hour's limit) stopped in the middle: the
// cancel button shows the best plan so far at once, before the worker has
// stopped, and the worker's own answer after; closing the window (as leaving
// the program does) cancels too — the destructor joins a worker that stops
// within a few simplex iterations, not after the hour.
TEST_F(PlanWindow, CancelOrCloseStopsALongSolve) {
    std::mt19937_64 rng(24);
    m_data = test::buildData(test::randomSmallDataSet(rng, 100, 10));
    m_available = test::allAvailable(m_data);
    auto window = open();
    window->show();
    window->fillFromAvailable(5);
    window->findChild<QDoubleSpinBox *>(QStringLiteral("PlanTimeLimit"))->setValue(3600.0);
    QSignalSpy finished(window.get(), &BrewingPlanWindow::planFinished);
    auto *planButton = window->findChild<QPushButton *>(QStringLiteral("PlanButton"));
    const auto *progress = window->findChild<QLabel *>(QStringLiteral("PlanProgress"));
    // Starts a plan and waits until it is past the enumeration, in the solver.
    const auto startAndWaitForTheSolver = [&] {
        QTest::mouseClick(planButton, Qt::LeftButton);
        ASSERT_TRUE(window->isSolving());
        while (finished.isEmpty() && !progress->text().startsWith(QStringLiteral("Лучший план")))
            finished.wait(20);
        ASSERT_TRUE(finished.isEmpty());
    };

    startAndWaitForTheSolver();
    EXPECT_GT(runningAnimations(*window), 0); // the busy bar, which must stop afterwards
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("PlanCancelButton")), Qt::LeftButton);
    ASSERT_NE(window->outcome(), nullptr);
    EXPECT_EQ(window->outcome()->exact.status, PlanSolveStatus::Cancelled);
    EXPECT_TRUE(window->findChild<QLabel *>(QStringLiteral("PlanSummary"))
                    ->text()
                    .contains(QStringLiteral("Прервано")));
    EXPECT_FALSE(window->findChild<QProgressBar *>(QStringLiteral("PlanBusy"))->isVisible());
    const std::int64_t shownAtOnce = window->outcome()->exact.plan.total;
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_GE(window->outcome()->exact.plan.total, shownAtOnce);
    EXPECT_EQ(animationsLeftRunning(*window), 0);
    ASSERT_NE(window->outcome(), nullptr);
    EXPECT_EQ(window->outcome()->exact.status, PlanSolveStatus::Cancelled);
    EXPECT_TRUE(
        PlanFitsStock(window->outcome()->recipes, window->outcome()->exact.plan.times, window->stock()));
    EXPECT_TRUE(window->findChild<QLabel *>(QStringLiteral("PlanSummary"))
                    ->text()
                    .contains(QStringLiteral("Прервано")));

    finished.clear();
    startAndWaitForTheSolver();
    window.reset(); // cancels and joins the worker
    QApplication::processEvents();
}

} // namespace
} // namespace qor
