// The "План варки" window on a small data set: the stock list and its file,
// a plan made off the UI thread, and closing the window while it runs.

#include "brewing_plan/stock_file.h"
#include "brewing_plan/ui/brewing_plan_window.h"
#include "common/test_data.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>

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
        BrewingPlanContext ctx{m_data,
                               m_skills,
                               m_available,
                               nullptr,
                               [this](const QString &text) { m_warnings.append(text); },
                               m_dir.path()};
        return std::make_unique<BrewingPlanWindow>(ctx);
    }
    QString stockPath() const { return StockFilePath(m_dir.path()); }

    QTemporaryDir m_dir;
    GameData m_data;
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
    window->fillFromAvailable(3);
    QSignalSpy finished(window.get(), &BrewingPlanWindow::planFinished);
    auto *button = window->findChild<QPushButton *>(QStringLiteral("PlanButton"));
    ASSERT_NE(button, nullptr);
    button->click();
    EXPECT_TRUE(window->isSolving() || finished.count() == 1);
    EXPECT_FALSE(button->isEnabled() && window->isSolving());
    ASSERT_TRUE(finished.count() == 1 || finished.wait(60000));
    EXPECT_FALSE(window->isSolving());
    EXPECT_TRUE(button->isEnabled());

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

TEST_F(PlanWindow, ClosingWhileSolvingStopsTheWorker) {
    auto window = open();
    window->fillFromAvailable(50);
    window->startPlan();
    window->cancelPlan();
    window.reset(); // joins the worker; must neither hang nor crash
    QApplication::processEvents();
    SUCCEED();
}

} // namespace
} // namespace qor
