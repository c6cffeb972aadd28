#include "tests/support/Harness.h"

#include <QTest>

using namespace tarovin;
using namespace tarovin::test;

namespace {

// A screen that writes down what happens to it.
class Probe : public Form {
public:
    Probe(Services& s, const QString& name, QStringList& log) : Form(s, name, formSize::standard), log_(log) {}
    void onLoad() override
    {
        log_ << name() + ":load";
        ++loads;
        control("Label").caption = "loaded";
    }
    void onCloseRequest() override
    {
        log_ << name() + ":close";
        if (returnToMenu)
            sv.navigator.switchTo("Menu", *this);
    }
    bool returnToMenu = true;
    int loads = 0;
    int memberThatOutlivesTheWindow = 0;

protected:
    void design() override
    {
        addLabel("Label", {0, 0, 100, 100}, "design");
        addTimer("Tick", true, 100, [this] { log_ << name() + ":tick"; });
    }

private:
    QStringList& log_;
};

} // namespace

// Screen switching as every screen relies on it.
class TestNavigator : public QObject {
    Q_OBJECT
private slots:
    void switchLoadsTheTargetBeforeTheCurrentScreenCloses()
    {
        Harness h;
        QStringList log;
        auto& menu = h.add<Probe>("Menu", log);
        h.add<Probe>("Game", log);
        menu.returnToMenu = false;
        h.start("Menu");
        h.navigator.switchTo("Game", menu);
        QCOMPARE(log, (QStringList{"Menu:load", "Game:load", "Menu:close"}));
        QCOMPARE(h.currentName(), QString("Game"));
    }

    void loadingALoadedScreenDoesNothing()
    {
        Harness h;
        QStringList log;
        auto& menu = h.add<Probe>("Menu", log);
        h.start("Menu");
        h.ctl("Label").caption = "changed";
        h.navigator.load("Menu");
        h.navigator.show("Menu");
        QCOMPARE(menu.loads, 1);
        QCOMPARE(h.ctl("Label").caption, QString("changed"));
    }

    void unloadRunsTheCloseHandlerOnceAndEveryScreenMayReturnToTheMenu()
    {
        Harness h;
        QStringList log;
        auto& menu = h.add<Probe>("Menu", log);
        auto& game = h.add<Probe>("Game", log);
        menu.returnToMenu = false;
        h.start("Menu");
        h.navigator.switchTo("Game", menu);
        log.clear();
        h.closeBox(); // the game's close handler loads the menu and unloads itself
        QCOMPARE(log, (QStringList{"Game:close", "Menu:load"}));
        QCOMPARE(h.currentName(), QString("Menu"));
        QVERIFY(!game.isLoaded());
        QVERIFY(!h.navigator.ended());
    }

    void closingTheLastScreenEndsTheProgram()
    {
        Harness h;
        QStringList log;
        auto& menu = h.add<Probe>("Menu", log);
        menu.returnToMenu = false;
        h.start("Menu");
        h.closeBox();
        QVERIFY(h.navigator.ended());
        QCOMPARE(h.openCount(), 0);
    }

    void endingAtOnceRunsNoCloseHandler()
    {
        Harness h;
        QStringList log;
        h.add<Probe>("Menu", log);
        h.start("Menu");
        log.clear();
        h.navigator.endAtOnce();
        QVERIFY(log.isEmpty());
        QVERIFY(h.navigator.ended());
        QCOMPARE(h.openCount(), 0);
    }

    void controlsAndTimersStartFreshAtEveryLoadWhileMembersCarryOver()
    {
        Harness h;
        QStringList log;
        auto& menu = h.add<Probe>("Menu", log);
        auto& game = h.add<Probe>("Game", log);
        menu.returnToMenu = false;
        h.start("Menu");
        h.navigator.switchTo("Game", menu);
        game.memberThatOutlivesTheWindow = 7;
        h.ctl("Label").visible = false;
        h.navigator.switchTo("Menu", game);
        log.clear();
        h.advance(1000); // the game's timers died with its window
        QCOMPARE(log.count("Game:tick"), 0);
        QCOMPARE(log.count("Menu:tick"), 10);
        h.navigator.switchTo("Game", menu);
        QVERIFY(h.ctl("Label").visible);
        QCOMPARE(game.memberThatOutlivesTheWindow, 7);
    }

    void aMissingScreenIsAnEmptyWindowThatReturnsToTheMenu()
    {
        Harness h;
        QStringList log;
        auto& menu = h.add<Probe>("Start", log);
        menu.returnToMenu = false;
        h.start("Start");
        h.navigator.switchTo("Shop", menu);
        QCOMPARE(h.currentName(), QString("Shop"));
        QCOMPARE(h.current().title(), QString("咕嚕果"));
        h.closeBox();
        QCOMPARE(h.currentName(), QString("Start"));
    }

    void aClickReachesTheFrontmostShownControl()
    {
        Harness h;
        QStringList log;
        h.add<Probe>("Menu", log);
        h.start("Menu");
        Form& f = h.current();
        Control& back = f.addImage("Back", {0, 0, 200, 200});
        Control& front = f.addLabel("Front", {50, 50, 50, 50}, "");
        f.stackFrontToBack({"Front", "Label", "Back"});
        QCOMPARE(f.controlAt(60, 60), &front);
        front.visible = false;
        QCOMPARE(f.controlAt(60, 60)->name, QString("Label"));
        QCOMPARE(f.controlAt(150, 150), &back);
        Control& button = f.addButton("Button", {150, 150, 20, 20}, "", "");
        QCOMPARE(f.controlAt(155, 155), &button); // buttons lie in front of every image and label
        QCOMPARE(f.controlAt(300, 300), nullptr);
    }
};

QTEST_GUILESS_MAIN(TestNavigator)
#include "test_navigator.moc"
