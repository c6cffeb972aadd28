#include "program/Screens.h"
#include "screens/ScreenNames.h"
#include "services/SoundPlayer.h"
#include "tests/support/Harness.h"

#include <QFile>
#include <QTest>

#include <stdexcept>

using namespace tarovin;
using namespace tarovin::test;

// The set of screens the program builds: one screen for every name a screen
// can be opened by, and no name without one.
class TestComposition : public QObject {
    Q_OBJECT
private slots:
    void everyNameHasItsScreen()
    {
        Harness h;
        Screens screens(h.services);
        for (const QString& name : screen::all) {
            const Form* form = h.navigator.find(name);
            QVERIFY2(form, qPrintable(name));
            QCOMPARE(form->name(), name);
        }
    }

    void aNameWithoutAScreenIsAnError()
    {
        Harness h;
        Screens screens(h.services);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, h.navigator.load(QStringLiteral("Strat")));
        QCOMPARE(h.openCount(), 0);
    }

    // Each screen as it first opens; the harness fails the test on any
    // picture or sound the program does not have, here and in every other
    // test, whatever state a screen has reached.
    void everyScreenOpensWithPicturesAndSoundsThatExist_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString& name : screen::all)
            QTest::newRow(qPrintable(name)) << name;
    }

    void everyScreenOpensWithPicturesAndSoundsThatExist()
    {
        QFETCH(QString, name);
        Harness h;
        Screens screens(h.services);
        h.start(name);
        QCOMPARE(h.currentName(), name);
        QVERIFY(!h.current().background.isNull());
        QVERIFY(h.sound.unknownNames().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestComposition)
#include "test_composition.moc"
