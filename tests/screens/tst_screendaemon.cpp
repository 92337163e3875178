#include "TwoScreens.h"
#include "screens/ScreenDaemon.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace {

using Screens = QList<QScreen *>;
using Changes = QList<QPair<QScreen *, QScreen *>>;

// The changes reported, and the screen observers read as current while each is reported.
struct Recorder {
    QObject observer;
    Changes changes;
    Screens currentDuringChange;

    explicit Recorder(ScreenDaemon &daemon) {
        daemon.screenChanged.watch(&observer, [this, &daemon](const ScreenChange &change) {
            changes << qMakePair(change.old.data(), change.current.data());
            currentDuringChange.append(daemon.currentScreen.value().data());
        });
    }
};

} // namespace

class TestScreenDaemon : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The overlay follows the pointer only while Quillory is active, and files its drawings
    // under the screen it leaves when it hears of a change: each change comes once, while
    // currentScreen still names the old screen.
    void reportsEachChangeOnceWhileActive() {
        QPoint pointer(10, 10);
        bool active = false;
        ScreenDaemon daemon([&] { return active; });
        daemon.pointerPosition = [&] { return pointer; };
        Recorder recorder(daemon);
        QScreen *left = QGuiApplication::screens().at(0);
        QScreen *right = QGuiApplication::screens().at(1);

        daemon.start(); // the 0.3 s poll runs, but reports nothing while inactive
        QTest::qWait(400);
        QVERIFY(recorder.changes.isEmpty());
        active = true;
        QTRY_COMPARE_WITH_TIMEOUT(recorder.changes, (Changes{{nullptr, left}}), 2000);
        daemon.checkScreen();
        pointer = {700, 300};
        daemon.checkScreen(); // still on the left screen
        pointer = {800, 0};   // a shared border belongs to the screen on its right
        daemon.start();       // a restart checks at once and leaves one poll, which stop ends
        QCOMPARE(daemon.findChildren<QTimer *>().size(), 1);
        daemon.stop();
        QVERIFY(!daemon.timer->isActive());
        pointer = {1600, 600}; // the bottom-right edge is off the screen: on none at all
        daemon.checkScreen();
        QCOMPARE(recorder.changes, (Changes{{nullptr, left}, {left, right}, {right, nullptr}}));
        QCOMPARE(recorder.currentDuringChange, (Screens{nullptr, left, right}));
    }
};

int main(int argc, char *argv[]) {
    return runWithTwoScreens<TestScreenDaemon>(argc, argv);
}

#include "tst_screendaemon.moc"
