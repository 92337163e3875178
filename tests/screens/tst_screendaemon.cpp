#include "TwoScreens.h"
#include "platform/DiagnosticLog.h"
#include "platform/ScreenIdentity.h"
#include "screens/ScreenDaemon.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace {

struct Recorder {
    QObject observer;
    QList<QPair<QScreen *, QScreen *>> changes;
    QList<QScreen *> current;
    QStringList seenCurrentDuringChange;

    explicit Recorder(ScreenDaemon &daemon) {
        daemon.screenChanged.watch(&observer, [this, &daemon](const ScreenChange &change) {
            changes.append(qMakePair(change.old.data(), change.current.data()));
            // The tracker reports the pair before it moves on.
            seenCurrentDuringChange
                << (daemon.currentScreen.value() ? daemon.currentScreen.value()->name()
                                                 : QStringLiteral("none"));
        });
        daemon.currentScreen.watch(
            &observer, [this](const QPointer<QScreen> &screen) { current.append(screen.data()); });
        current.clear(); // the value handed over at subscription
    }
};

} // namespace

class TestScreenDaemon : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reportsEachChangeOnceBeforeMoving() {
        ScreenDaemon daemon([] { return true; });
        QPoint pointer(10, 10);
        daemon.pointerPosition = [&] { return pointer; };
        Recorder recorder(daemon);
        QScreen *left = QGuiApplication::screens().at(0);
        QScreen *right = QGuiApplication::screens().at(1);

        daemon.start(); // the first check runs at once
        QCOMPARE(recorder.changes, (QList<QPair<QScreen *, QScreen *>>{{nullptr, left}}));
        daemon.checkScreen();
        pointer = {700, 300};
        daemon.checkScreen(); // still on the left screen
        QCOMPARE(recorder.changes.size(), 1);

        pointer = {800, 0}; // a shared border belongs to the screen on its right
        daemon.checkScreen();
        QCOMPARE(recorder.changes.last(), qMakePair(left, right));
        QCOMPARE(recorder.seenCurrentDuringChange,
                 (QStringList{QStringLiteral("none"), QStringLiteral("LEFT")}));
        QCOMPARE(recorder.current, (QList<QScreen *>{left, right}));

        pointer = {1600, 600}; // the bottom-right edge is off the screen: on no screen at all,
        daemon.checkScreen(); // reported like any change
        QCOMPARE(recorder.changes.last(), qMakePair(right, static_cast<QScreen *>(nullptr)));
        daemon.stop();
    }

    void pollsOnlyWhileActiveAndLogsItsTimer() {
        QStringList lines;
        DiagnosticLog::setSink([&](const QString &line) { lines << line; });
        QPoint pointer(10, 10);
        bool active = false;
        ScreenDaemon daemon([&] { return active; });
        daemon.pointerPosition = [&] { return pointer; };
        Recorder recorder(daemon);
        daemon.start();
        pointer = {900, 10};
        QTest::qWait(400);
        QVERIFY(recorder.changes.isEmpty()); // inactive: nothing, even with the timer running
        active = true;
        QTRY_COMPARE_WITH_TIMEOUT(recorder.changes.size(), 1, 2000); // the 0.3 s poll
        QCOMPARE(recorder.changes.first().second, QGuiApplication::screens().at(1));
        daemon.start(); // a restart stops the old timer first
        daemon.stop();
        daemon.stop(); // stopped already: nothing
        DiagnosticLog::setSink({});
        QCOMPARE(lines.filter(QStringLiteral("Started Timer")).size(), 2);
        QCOMPARE(lines.filter(QStringLiteral("Stopped Timer")).size(), 2);
    }

    void displayIdentity() {
        QScreen *left = QGuiApplication::screens().at(0);
        QScreen *right = QGuiApplication::screens().at(1);
        QVERIFY(ScreenIdentity::displayID(left) != ScreenIdentity::displayID(right));
        QCOMPARE(ScreenIdentity::displayID(left), ScreenIdentity::displayID(left));
        QCOMPARE(ScreenIdentity::displayID(nullptr), 0u);
        QCOMPARE(ScreenIdentity::displayName(left), QString()); // no EDID here: unknown
    }
};

int main(int argc, char *argv[]) {
    return runWithTwoScreens<TestScreenDaemon>(argc, argv);
}

#include "tst_screendaemon.moc"
