#include "program/Screens.h"
#include "tests/reliability/StoreRanges.h"
#include "tests/support/Harness.h"

#include <QDir>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tarovin;
using namespace tarovin::test;

namespace {

// One run of the whole game with every screen, on a store that outlives it,
// answering every box at random.
struct Program {
    Program(const QString& storePath, QRandomGenerator& chance, const QString& saves)
        : h(storePath), screens(h.services)
    {
        h.dialogs.autoAnswer = [&chance, saves](const ScriptedDialogs::Shown& box) -> std::pair<int, QString> {
            using Kind = ScriptedDialogs::Kind;
            switch (box.kind) {
            case Kind::Message: {
                const int ok = chance.bounded(2) ? int(MsgOk) : int(MsgCancel);
                const int yes = chance.bounded(2) ? int(MsgYes) : int(MsgNo);
                return {box.buttons == MsgButtons::YesNo ? yes : box.buttons == MsgButtons::Ok ? int(MsgOk) : ok, {}};
            }
            case Kind::Input: {
                const QStringList answers = {"", "abc", "3", "0", "12a", "99999999999999999999", " 5", "-1",
                                             QString::number(chance.bounded(100))};
                return {MsgOk, answers.at(chance.bounded(answers.size()))};
            }
            case Kind::Save:
                return {MsgOk, chance.bounded(4) ? QDir(saves).filePath(QString("save%1.tvd").arg(chance.bounded(3)))
                                                 : QString()};
            case Kind::Open: {
                const QStringList files = QDir(saves).entryList(QDir::Files);
                if (files.isEmpty() || !chance.bounded(4))
                    return {MsgOk, chance.bounded(2) ? QString() : QDir(saves).filePath("missing.tvd")};
                return {MsgOk, QDir(saves).filePath(files.at(chance.bounded(files.size())))};
            }
            }
            return {MsgOk, {}};
        };
        h.random.reseed(chance.generate());
        h.start("Start");
    }
    Harness h;
    Screens screens;
};

} // namespace

// Plays every screen at random for a long stretch of virtual time and checks
// after every event that the program holds together.
class TestMonkey : public QObject {
    Q_OBJECT

    void play(quint32 seed, int steps)
    {
        QTemporaryDir dir;
        const QString storePath = dir.filePath("TAROVIN/TAROVIN.ini");
        QDir().mkpath(dir.filePath("saves"));
        QRandomGenerator chance(seed);
        auto program = std::make_unique<Program>(storePath, chance, dir.filePath("saves"));
        const auto ranges = writableRanges();
        QDateTime clock(QDate(2026, 6, 15), QTime(10, 0));
        QSet<QString> visited;
        int restarts = 0;
        for (int step = 0; step < steps; ++step) {
            const QString where = QString("seed %1 step %2").arg(seed).arg(step);
            Harness& h = program->h;
            if (h.navigator.ended()) { // the player starts the game again
                program.reset();
                program = std::make_unique<Program>(storePath, chance, dir.filePath("saves"));
                ++restarts;
                continue;
            }
            Form& form = h.current();
            visited.insert(form.name());
            std::vector<Control*> shown;
            for (const auto& c : form.controls())
                if (c->visible)
                    shown.push_back(c.get());
            const int action = chance.bounded(100);
            Control* c = shown.empty() ? nullptr : shown.at(chance.bounded(int(shown.size())));
            if (action < 45 && c) {
                if (c->kind == ControlKind::ListBox && !c->items.isEmpty())
                    c->listIndex = chance.bounded(int(c->items.size()));
                h.click(c->name);
            } else if (action < 55 && c) {
                h.doubleClick(c->name);
            } else if (action < 62 && c) {
                const auto button = chance.bounded(3) ? MouseButton::Left : MouseButton::Right;
                h.mouseDown(c->name, button, chance.bounded(2000), chance.bounded(2000));
                h.mouseMove(c->name, button, chance.bounded(-15000, 15000), chance.bounded(-9000, 9000));
                h.mouseUp(c->name, button, chance.bounded(2000), chance.bounded(2000));
            } else if (action < 72) {
                h.clickAt(chance.bounded(form.widthTwips()), chance.bounded(form.heightTwips()));
            } else if (action < 75) {
                h.key(QList<int>{27, 13, 32, 65}.at(chance.bounded(4)));
            } else if (action < 77) {
                h.closeBox();
            } else if (action < 80) {
                clock = clock.addSecs(chance.bounded(-3 * 86400, 9 * 86400));
                h.clock.set(clock);
            } else {
                h.advance(chance.bounded(3000));
            }
            if (h.navigator.ended())
                continue;
            QVERIFY2(h.openCount() == 1, qPrintable(where + ": " + h.currentName()));
            const auto stored = rawKeys(h);
            for (auto it = stored.begin(); it != stored.end(); ++it) {
                const Range range = ranges.value(it.key(), Range{1, 0});
                bool ok = false;
                const qint64 v = it.value().toLongLong(&ok);
                QVERIFY2(ok && v >= range.low && v <= range.high,
                         qPrintable(QString("%1: %2=%3").arg(where, it.key(), it.value())));
            }
        }
        // A monkey that never left the menu would prove nothing.
        QVERIFY2(visited.size() >= 5, qPrintable(QStringList(visited.values()).join(',')));
        qInfo("seed %u: %lld screens visited, %d restarts", seed, qlonglong(visited.size()), restarts);
    }

private slots:
    void playsEveryScreenAtRandom_data()
    {
        QTest::addColumn<quint32>("seed");
        const quint32 base = qEnvironmentVariableIsSet("TAROVIN_MONKEY_SEED")
            ? qEnvironmentVariable("TAROVIN_MONKEY_SEED").toUInt()
            : 20261210u;
        for (quint32 i = 0; i < 3; ++i)
            QTest::newRow(qPrintable(QString("seed %1").arg(base + i))) << base + i;
    }

    void playsEveryScreenAtRandom()
    {
        QFETCH(quint32, seed);
        const int steps = qEnvironmentVariableIsSet("TAROVIN_MONKEY_STEPS")
            ? qEnvironmentVariable("TAROVIN_MONKEY_STEPS").toInt()
            : 1500;
        play(seed, steps);
    }
};

QTEST_GUILESS_MAIN(TestMonkey)
#include "test_monkey.moc"
