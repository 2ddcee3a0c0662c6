// The brewing plan opens from the last item of the menu "Разное", once.

#include "brewing_plan/ui/brewing_plan_window.h"
#include "gui/gui_test_support.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(BrewingPlanMenu, LastItemOfMiscOpensOneWindow) {
    test::ScratchData data;
    // A damaged stock file is reported through the main window's message box.
    QFile stock(StockFilePath(data.dir()));
    ASSERT_TRUE(stock.open(QIODevice::WriteOnly));
    stock.write("broken");
    stock.close();

    auto form = test::openForm(data);
    QMenu *misc = nullptr;
    for (QAction *top : form->menuBar()->actions()) {
        if (top->text() == QStringLiteral("Разное"))
            misc = top->menu();
    }
    ASSERT_NE(misc, nullptr);
    QAction *item = misc->actions().back();
    EXPECT_EQ(item->objectName(), QStringLiteral("MenuBrewingPlan"));
    EXPECT_EQ(item->text(), QStringLiteral("План варки"));
    EXPECT_TRUE(item->isEnabled());

    form->dialogs().clearRecord();
    item->trigger();
    item->trigger();
    const auto windows = form->findChildren<BrewingPlanWindow *>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows[0]->isVisible());
    EXPECT_EQ(windows[0]->stock().size(), std::size_t(form->state().Data.itemRecordCount()));
    ASSERT_EQ(form->dialogs().messages().size(), 1u);
    EXPECT_TRUE(form->dialogs().messages()[0].text.contains(QStringLiteral("Файл запаса повреждён")));
}

} // namespace
} // namespace qor
