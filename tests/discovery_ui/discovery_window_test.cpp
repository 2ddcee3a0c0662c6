// The "Изучение эффектов" window on small data sets: the plan made off the
// UI thread through the button, what the player marks meanwhile left out of
// it, and cancel or close stopping a long solve with the best plan so far.

#include "common/test_data.h"
#include "discovery/ui/discovery_window.h"
#include "game_data/data_loader.h"

#include <QAbstractAnimation>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <random>

namespace qor {
namespace {

void ensureApplication() {
    static int argc = 1;
    static char name[] = "test_discovery_ui";
    static char *argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr)
        new QApplication(argc, argv);
}

class DiscoveryWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureApplication();
        ASSERT_TRUE(m_dir.isValid());
    }
    // A window over items random ingredients, nothing known.
    void open(int items, std::uint64_t seed) {
        std::mt19937_64 rng(seed);
        m_data = test::buildData(test::randomSmallDataSet(rng, items, 10));
        openWindow();
    }
    void openWindow() {
        m_strengths = RecalcItemEffects(m_data, SkillSettings{});
        m_store = std::make_unique<KnownStore>(m_data, m_strengths, m_dir.path());
        m_store->load();
        m_window = std::make_unique<DiscoveryWindow>(*m_store, m_dir.path());
        m_window->show();
        m_finished = std::make_unique<QSignalSpy>(m_window.get(), &DiscoveryWindow::planFinished);
    }
    template <typename T> T *child(const char *name) const {
        return m_window->findChild<T *>(QString::fromLatin1(name));
    }
    void click(const char *button) { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }
    bool waitForTheEnd() { return m_finished->count() == 1 || m_finished->wait(60000); }
    QString summary() const { return child<QLabel>("DiscoverySummary")->text(); }
    // The busy bar's style animation notices at its next frame that the bar
    // was hidden: give it a few frames.
    int animationsLeftRunning() const {
        const auto running = [this] {
            int n = 0;
            for (const QAbstractAnimation *a : m_window->findChildren<QAbstractAnimation *>())
                n += a->state() == QAbstractAnimation::Running;
            return n;
        };
        for (int frame = 0; frame < 50 && running() > 0; ++frame)
            QTest::qWait(20);
        return running();
    }

    QTemporaryDir m_dir;
    GameData m_data;
    EffectStrengths m_strengths;
    std::unique_ptr<KnownStore> m_store;
    std::unique_ptr<DiscoveryWindow> m_window;
    std::unique_ptr<QSignalSpy> m_finished;
};

TEST_F(DiscoveryWindowTest, PlansOffTheUiThreadAndMarksAStep) {
    open(8, 11);
    click("DiscoveryCompute");
    // The click returns at once: the solve runs on, the window shows it busy.
    ASSERT_TRUE(m_window->isSolving());
    EXPECT_FALSE(child<QPushButton>("DiscoveryCompute")->isEnabled());
    EXPECT_TRUE(child<QPushButton>("DiscoveryCancel")->isEnabled());
    EXPECT_TRUE(child<QProgressBar>("DiscoveryBusy")->isVisible());
    ASSERT_TRUE(waitForTheEnd());

    EXPECT_FALSE(m_window->isSolving());
    EXPECT_TRUE(child<QPushButton>("DiscoveryCompute")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("DiscoveryCancel")->isEnabled());
    EXPECT_FALSE(child<QProgressBar>("DiscoveryBusy")->isVisible());
    EXPECT_EQ(animationsLeftRunning(), 0);
    EXPECT_TRUE(summary().contains(QStringLiteral("меньше шагов не бывает"))) << summary().toStdString();
    auto *plan = child<QListWidget>("DiscoveryPlan");
    const int steps = plan->count();
    ASSERT_GT(steps, 0);
    EXPECT_GT(child<QListWidget>("DiscoveryBest")->count(), 0);

    click("DiscoveryApply");
    EXPECT_NE(m_store->known(), KnownEffects::empty(m_data.itemRecordCount()));
    EXPECT_EQ(plan->count(), steps - 1);
}

// The player marks every effect while the plan is made: the plan and the
// single experiments that come back teach nothing more, so they are empty.
TEST_F(DiscoveryWindowTest, LeavesOutWhatWasMarkedDuringTheSolve) {
    open(8, 12);
    click("DiscoveryCompute");
    ASSERT_TRUE(m_window->isSolving());
    m_store->markAll();
    ASSERT_TRUE(waitForTheEnd());
    EXPECT_EQ(child<QListWidget>("DiscoveryPlan")->count(), 0);
    EXPECT_EQ(child<QListWidget>("DiscoveryBest")->count(), 0);
    EXPECT_FALSE(child<QPushButton>("DiscoveryApply")->isEnabled());
}

// The bundled data with nothing known, a solve of many seconds. "Прервать"
// during the enumeration ends it without a plan; in the search, with the
// best plan found so far (the greedy one at least). Esc closes the window
// and stops the solve too, and destroying the window mid-solve joins a
// worker that stops within a few simplex iterations.
TEST_F(DiscoveryWindowTest, CancelOrCloseStopsTheSolveWithTheBestPlanSoFar) {
    ASSERT_FALSE(loadGameData(QStringLiteral(QOR_BUILD_DATA_DIR), m_data));
    openWindow();
    auto *plan = child<QListWidget>("DiscoveryPlan");
    click("DiscoveryCompute");
    ASSERT_TRUE(m_window->isSolving());
    click("DiscoveryCancel");
    EXPECT_TRUE(summary().contains(QStringLiteral("Прерывание"))) << summary().toStdString();
    ASSERT_TRUE(waitForTheEnd());
    EXPECT_FALSE(m_window->isSolving());
    EXPECT_TRUE(summary().contains(QStringLiteral("прерван"))) << summary().toStdString();
    EXPECT_EQ(animationsLeftRunning(), 0);

    m_finished->clear();
    click("DiscoveryCompute");
    while (m_finished->isEmpty() && !summary().startsWith(QStringLiteral("Поиск плана")))
        m_finished->wait(20);
    ASSERT_TRUE(m_finished->isEmpty()) << summary().toStdString();
    click("DiscoveryCancel");
    ASSERT_TRUE(waitForTheEnd());
    EXPECT_TRUE(summary().contains(QStringLiteral("прервано"))) << summary().toStdString();
    EXPECT_GT(plan->count(), 0);
    EXPECT_TRUE(child<QPushButton>("DiscoveryApply")->isEnabled());

    m_finished->clear();
    click("DiscoveryCompute");
    ASSERT_TRUE(m_window->isSolving());
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    EXPECT_FALSE(m_window->isVisible());
    ASSERT_TRUE(waitForTheEnd());
    EXPECT_TRUE(summary().contains(QStringLiteral("прерван"))) << summary().toStdString();

    m_window->show();
    click("DiscoveryCompute");
    ASSERT_TRUE(m_window->isSolving());
    m_window.reset(); // cancels and joins the worker
    QApplication::processEvents();
}

} // namespace
} // namespace qor
