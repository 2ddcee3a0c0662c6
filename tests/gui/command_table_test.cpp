// The command table itself: unique names, a handler for every item that is
// not deliberately disabled, menus opened before they are filled, Main.ini
// flags only on check items; the window built from it, and its check items
// as views of the Main.ini flags.

#include "gui_test_support.h"
#include "main_window/ui/discovery_hookup.h"

#include "settings/settings_block.h"
#include "settings/settings_file.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace qor {
namespace {

using Row = MenuCommand;

TEST(CommandTableTest, EveryItemHasAHandlerOrIsDeliberatelyDisabled) {
    std::set<std::string> names;
    std::set<int> settingLines;
    std::set<MenuId> opened{MenuId::None, MenuId::Bar};
    int items = 0;
    for (const Row &row : TFormMain::commandTable()) {
        ASSERT_TRUE(opened.count(row.menu)) << "a row goes into a menu not opened before it";
        if (row.kind == Row::Kind::Menu) {
            EXPECT_TRUE(opened.insert(row.opens).second) << "menu opened twice";
            // Context menus are found by name, the others by caption.
            EXPECT_EQ(row.menu == MenuId::None, row.name != nullptr);
            EXPECT_EQ(row.menu == MenuId::None, row.caption == nullptr);
            continue;
        }
        if (row.kind == Row::Kind::Separator)
            continue;
        ++items;
        ASSERT_NE(row.name, nullptr);
        ASSERT_NE(row.caption, nullptr) << row.name;
        EXPECT_TRUE(names.insert(row.name).second) << "duplicate name " << row.name;
        switch (row.state) {
        case Row::State::Built:
            EXPECT_TRUE(row.hasHandler()) << row.name << " is enabled but has no handler";
            EXPECT_FALSE(row.run && row.call) << row.name << " has two handlers";
            break;
        case Row::State::CheckOnly:
            EXPECT_FALSE(row.hasHandler()) << row.name;
            EXPECT_TRUE(row.checkable()) << row.name << " has neither handler nor check state";
            break;
        case Row::State::NotBuilt:
            EXPECT_FALSE(row.hasHandler()) << row.name << " is disabled but has a handler";
            break;
        }
        // The key's type makes it a flag line.
        if (row.setting.line != 0) {
            EXPECT_TRUE(row.checkable()) << row.name;
            EXPECT_TRUE(settingLines.insert(row.setting.line).second)
                << row.name << " shares a settings line";
        }
    }
    EXPECT_EQ(opened.size(), static_cast<std::size_t>(MenuId::Count));
    EXPECT_GT(items, 80);
}

TEST(CommandTableTest, WindowBuildsEveryRowAndNothingElse) {
    test::ScratchData data;
    auto form = test::openForm(data);
    std::set<QString> rowNames;
    for (const Row &row : TFormMain::commandTable()) {
        if (row.kind != Row::Kind::Item)
            continue;
        const QString name = QString::fromLatin1(row.name);
        rowNames.insert(name);
        QAction *act = form->action(name);
        ASSERT_NE(act, nullptr) << row.name;
        // The recipe list's menu words some captions for the cell it opens on.
        if (row.menu != MenuId::PopupLB) {
            EXPECT_EQ(act->text(), QString::fromUtf8(row.caption)) << row.name;
        }
        EXPECT_EQ(act->shortcut(), row.hasShortcut() ? QKeySequence(row.shortcut) : QKeySequence())
            << row.name;
        EXPECT_EQ(act->isCheckable(), row.checkable()) << row.name;
        if (!row.enabled()) {
            EXPECT_FALSE(act->isEnabled()) << row.name << " stands enabled without a command";
        }
    }
    // Every named item of the window's menus comes from a row, but those
    // effect discovery adds when it is hooked up.
    int built = 0;
    const QStringList discovery = discoveryCommandNames();
    for (QMenu *menu : form->findChildren<QMenu *>()) {
        for (QAction *act : menu->actions()) {
            if (act->isSeparator() || act->menu() || discovery.contains(act->objectName()))
                continue;
            ++built;
            EXPECT_TRUE(rowNames.count(act->objectName())) << act->objectName().toStdString();
        }
    }
    EXPECT_EQ(built, static_cast<int>(rowNames.size()));
    EXPECT_EQ(form->action(QStringLiteral("NoSuchItem")), nullptr);
}

TEST(CommandTableTest, FlagItemsShowTheSessionsFlagsAndWriteThemOnce) {
    test::ScratchData data;
    const QString ini = data.file(QStringLiteral("Main.ini"));
    auto form = test::openForm(data);
    Session &session = form->state().session;
    for (const Row &row : TFormMain::commandTable()) {
        if (row.setting.line != 0) {
            EXPECT_EQ(form->action(QString::fromLatin1(row.name))->isChecked(),
                      session.block().get(row.setting))
                << row.name;
        }
    }

    // A change from elsewhere shows in the menu, and what follows the flag
    // follows it too.
    QAction *quick = form->action(QStringLiteral("MenuCanQuickSearsh"));
    session.setSetting(Setting.MenuCanQuickSearsh, false);
    EXPECT_FALSE(quick->isChecked());
    EXPECT_TRUE(form->action(QStringLiteral("MenuStartSearsh"))->isEnabled());
    session.setSetting(Setting.MenuCanQuickSearsh, true);
    EXPECT_TRUE(quick->isChecked());
    EXPECT_FALSE(form->action(QStringLiteral("MenuStartSearsh"))->isEnabled());

    // The player's toggle reaches the session once, and Main.ini at exit.
    QSignalSpy changes(&session, &Session::settingChanged);
    const bool before = session.block().get(Setting.MenuCanLightLBox);
    test::useCommand(*form, "MenuCanLightLBox");
    EXPECT_EQ(session.block().get(Setting.MenuCanLightLBox), !before);
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes.front().front().toInt(), Setting.MenuCanLightLBox.line);
    test::useCommand(*form, "MenuExit");
    MainSettings saved;
    ASSERT_TRUE(ReadSettings(ini, form->state().Data.itemRecordCount(), saved).ok());
    EXPECT_EQ(saved.block.get(Setting.MenuCanLightLBox), !before);
}

} // namespace
} // namespace qor
