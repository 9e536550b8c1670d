#include "editor/main_window.h"
#include "editor/nes_canvas.h"

#include <QAction>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

using namespace tikaroo;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void TitleMenusAndStatusBar() {
        CMainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("NES Tikaroo Level Editor v1.1.1"));
        QStringList titles;
        for (QAction* menu : window.menuBar()->actions()) titles << menu->text();
        QCOMPARE(titles, (QStringList{"File", "Edit", "View", "Help"}));
        QStringList editItems;
        for (QAction* item : window.menuBar()->actions()[1]->menu()->actions())
            if (!item->isSeparator()) editItems << item->text();
        QVERIFY(editItems.contains("Level sets"));
        QVERIFY(editItems.contains("Palettes sets"));
        QVERIFY(editItems.contains("Objects"));
        QVERIFY(window.Canvas() != nullptr);
        QVERIFY(window.Canvas()->PictureSize().isEmpty());
    }

    // Preferences too: the emulator and the colours can be set before a ROM is opened.
    void OnlyOpenQuitAboutAndPreferencesStartEnabled() {
        CMainWindow window;
        for (const CommandInfo& command : Commands()) {
            const bool expected = command.id == kCmdOpen || command.id == kCmdQuit ||
                                  command.id == kCmdAbout || command.id == kCmdPreferences;
            QCOMPARE(window.Action(command.id)->isEnabled(), expected);
        }
        auto* toolBar = window.findChild<QToolBar*>("toolBar");
        QVERIFY(toolBar);
        int buttons = 0;
        for (QAction* action : toolBar->actions()) {
            if (action->isSeparator()) continue;
            ++buttons;
            QVERIFY(!action->toolTip().isEmpty());
        }
        QCOMPARE(buttons, 19);
    }

    void EachRuleEnablesACommandOnlyWhereItHolds() {
        const CommandState noRom{}, mainLevel{true, false, true}, bonusLevel{true, true, true},
            withUndo{true, false, false};
        struct Case {
            EnableRule rule;
            bool noRom, mainLevel, bonusLevel, withUndo;
        };
        const Case cases[] = {
            {EnableRule::Always, true, true, true, true},
            {EnableRule::NeedsRom, false, true, true, true},
            {EnableRule::MainLevelOnly, false, true, false, true},
            {EnableRule::UndoNotEmpty, false, false, false, true},
        };
        for (const Case& c : cases) {
            CommandInfo command = Command(kCmdAbout);
            command.rule = c.rule;
            QCOMPARE(CommandEnabled(command, noRom), c.noRom);
            QCOMPARE(CommandEnabled(command, mainLevel), c.mainLevel);
            QCOMPARE(CommandEnabled(command, bonusLevel), c.bonusLevel);
            QCOMPARE(CommandEnabled(command, withUndo), c.withUndo);
            command.handler = nullptr; // work not built yet
            QVERIFY(!CommandEnabled(command, withUndo));
        }
    }

    void CanvasStepsWithThePlusAndMinusKeysShiftedOrNot() {
        CNesCanvas canvas;
        QSignalSpy keys(&canvas, &CNesCanvas::KeyPressed);
        const std::pair<Qt::Key, int> cases[] = {{Qt::Key_Plus, 1},
                                                 {Qt::Key_Equal, 1},
                                                 {Qt::Key_Minus, -1},
                                                 {Qt::Key_Underscore, -1},
                                                 {Qt::Key_Q, 0}};
        for (const auto& [key, delta] : cases) {
            QTest::keyClick(&canvas, key);
            QCOMPARE(keys.takeFirst().at(1).toInt(), delta);
        }
    }

    void QuitClosesAtOnceWithoutRom() {
        CMainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.Action(kCmdQuit)->trigger();
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
