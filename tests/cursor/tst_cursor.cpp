#include "TwoScreens.h"
#include "cursor/CursorWindowController.h"
#include "platform/DiagnosticLog.h"
#include "platform/x11/AppActivation.h"
#include "platform/x11/CompositorWatcher.h"
#include "platform/x11/PointerWatcher.h"

#include <QLoggingCategory>
#include <QScreen>

// The cursor highlight on two offscreen screens, LEFT (primary) and RIGHT.
class TestCursor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void discFollowsThePointerOverTheMainScreen() {
        PointerWatcher pointer;
        CompositorWatcher compositor;
        CursorWindowController controller(pointer, compositor);
        CursorTransparentWindow *window = controller.window();
        QCOMPARE(window->geometry(), QGuiApplication::primaryScreen()->geometry());
        // Clicks go through to what lies below; the focus stays where it is.
        QVERIFY(window->windowFlags().testFlags(Qt::WindowTransparentForInput |
                                                Qt::WindowDoesNotAcceptFocus |
                                                Qt::WindowStaysOnTopHint));
        // Hiding the application leaves a window it is told to keep.
        AppActivation activation;
        activation.keepShown(window);
        controller.showWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        activation.hide();
        QVERIFY(controller.isShown());

        InteractionDisabledView *brush = controller.contentViewController().view()->brush;
        controller.contentViewController().view()->moveBrush({300, 200});
        QCOMPARE(brush->geometry(), QRect(275, 175, 50, 50));
        QVERIFY(brush->testAttribute(Qt::WA_TransparentForMouseEvents));
        const QImage picture = window->grab().toImage();
        QCOMPARE(picture.pixelColor(300, 200), QColor(255, 0, 0));
        QCOMPARE(picture.pixelColor(300, 228).alpha(), 77); // white at 30 %

        // Over the other screen the disc stays; each event writes its bare debug word, and
        // only with the debug rule on.
        QStringList lines;
        DiagnosticLog::setSink([&lines](const QString &line) { lines << line; });
        Q_EMIT pointer.moved({1000, 100});
        QCOMPARE(brush->geometry().topLeft(), QPoint(275, 175));
        Q_EMIT pointer.moved({100, 100});
        QCOMPARE(brush->geometry().topLeft(), QPoint(75, 75));
        QVERIFY(lines.isEmpty());
        QLoggingCategory::setFilterRules(QStringLiteral("quillory.debug=true"));
        Q_EMIT pointer.moved({110, 100});
        Q_EMIT pointer.pressed();
        Q_EMIT pointer.moved({120, 100});
        Q_EMIT pointer.released();
        Q_EMIT pointer.moved({900, 100});
        QLoggingCategory::setFilterRules({});
        DiagnosticLog::setSink({});
        QCOMPARE(lines, QStringList({"moved", "Down", "dragged", "up"}));
    }
};

int main(int argc, char *argv[]) {
    return runWithTwoScreens<TestCursor>(argc, argv);
}
#include "tst_cursor.moc"
