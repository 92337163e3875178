#include "overlay/DrawingViewController.h"
#include "overlay/MainWindowController.h"
#include "platform/Localization.h"
#include "platform/NotificationCenter.h"
#include "platform/x11/AppActivation.h"
#include "platform/x11/CompositorWatcher.h"
#include "screens/ScreenDaemon.h"
#include "settings/Preferences.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QColor kRed(255, 59, 48), kBlue(0, 122, 255);

// A key press as the X server reports it: the keycode is the key's evdev code plus 8.
void sendKey(QWidget *view, int qtKey, Key key, Qt::KeyboardModifiers modifiers = {}) {
    QKeyEvent event(QEvent::KeyPress, qtKey, modifiers, evdevCode(key) + 8, 0, 0);
    QApplication::sendEvent(view, &event);
}

void sendMouse(QWidget *view, QEvent::Type type, QPointF at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, view->mapToGlobal(at), Qt::LeftButton, buttons, {});
    QApplication::sendEvent(view, &event);
}

// The overlay window as the application builds it, with a preference file of its own.
struct Overlay {
    QTemporaryDir dir;
    PreferenceStore preferences{dir.path() + QStringLiteral("/preferences.plist")};
    AppActivation activation;
    ScreenDaemon screens{[] { return true; }};
    CompositorWatcher compositor;
    NotificationCenter notifications;
    DrawingHooks hooks;
    Handler<bool> configure;
    std::unique_ptr<MainWindowController> controller;

    explicit Overlay(std::optional<bool> toolsShown = std::nullopt) {
        if (toolsShown)
            Preferences::updateToolsOnScreen.set(preferences, *toolsShown);
        hooks.configureForScreenshotHandler = &configure;
        controller = std::make_unique<MainWindowController>(
            OverlayServices{preferences, screens, compositor, notifications, hooks}, activation);
        controller->window()->resize(QSize(1366, 768)); // a low screen
        controller->window()->show();                   // layout happens for shown windows
        QVERIFY(QTest::qWaitForWindowExposed(controller->window()));
    }
    DrawingView *view() { return controller->contentViewController().view(); }
    DrawingViewModel &model() { return controller->contentViewController().model; }
    const Drawings &list() { return model().drawings.value(); }
};

} // namespace

class TestDrawingOverlay : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(Localization::install()); }

    // The first start hides the palette and stores that; the menu's notification toggles it. A
    // capture hides it with the brush; afterwards it is as stored, a hidden palette hidden. On a
    // low screen the columns move down rather than lose their top buttons.
    void paletteIsStoredAndStaysOnScreen() {
        Overlay overlay;
        DrawingView *view = overlay.view();
        QVERIFY(!view->toolsVisible());
        QCOMPARE(Preferences::updateToolsOnScreen.stored(overlay.preferences), false);
        for (bool shown : {true, false}) {
            overlay.notifications.post(QStringLiteral("UpdateToolsOnScreen"));
            QCOMPARE(view->toolsVisible(), shown);
            QCOMPARE(Preferences::updateToolsOnScreen.stored(overlay.preferences), shown);
        }
        for (bool shown : {false, true}) {
            overlay.configure.notify(true);
            QVERIFY(view->brush->isHidden() && !view->toolsVisible());
            overlay.configure.notify(false);
            QVERIFY(view->toolsVisible() == shown && !view->brush->isHidden());
            overlay.notifications.post(QStringLiteral("UpdateToolsOnScreen"));
        }

        const QRect tools = view->shapesRadioGroup->geometry();
        const QRect colors = view->colorsRadioGroup->geometry();
        QCOMPARE(QPoint(tools.left(), colors.left()), QPoint(30, 30));
        QCOMPARE(768 - tools.bottom() - 1, 58); // 110 on a screen high enough
        QCOMPARE(tools.top() - colors.bottom() - 1, 30);
    }

    // Keys pick colours and tools on the palette, which feeds the model; drawing keys with
    // Ctrl are swallowed. Shift, through the window system (which keeps the keyboard's
    // modifier state), straightens and switches the arrow's icon; slash toggles the help panel.
    void keysDriveThePaletteAndThePaletteFeedsTheModel() {
        Overlay overlay(true);
        DrawingView *view = overlay.view();
        QCOMPARE(overlay.model().selectedColor(), kRed); // the palette's first buttons
        QCOMPARE(overlay.model().selectedShape(), Shape::pen);
        sendKey(view, Qt::Key_4, Key::four, Qt::ControlModifier);
        QCOMPARE(overlay.model().selectedColor(), kRed);
        sendKey(view, Qt::Key_4, Key::four);
        QCOMPARE(overlay.model().selectedColor(), kBlue);
        QCOMPARE(view->brush->backgroundColor(), kBlue);
        QCOMPARE(view->shapesRadioGroup->buttons().at(0)->tintColor(), kBlue);
        sendKey(view, Qt::Key_L, Key::l); // the second tool button, though `line` is 2
        QCOMPARE(overlay.model().selectedShape(), Shape::line);
        QCOMPARE(view->shapesRadioGroup->buttons().at(1)->radioState(), RadioButtonState::selected);
        sendKey(view, Qt::Key_Exclam, Key::one, Qt::ShiftModifier); // Shift+1 is the key of "1"
        QCOMPARE(overlay.model().selectedColor(), kRed);

        const ShapeRadioButton *arrow = view->shapesRadioGroup->buttons().at(2);
        QTest::keyPress(view->window()->windowHandle(), Qt::Key_Shift, Qt::ShiftModifier);
        QVERIFY(overlay.model().enableModification.value() && arrow->modified());
        QTest::keyRelease(view->window()->windowHandle(), Qt::Key_Shift);
        QVERIFY(!overlay.model().enableModification.value() && !arrow->modified());

        view->infoView->show();
        for (bool hidden : {true, false}) {
            sendKey(view, Qt::Key_Slash, Key::slash);
            QCOMPARE(view->infoView->isHidden(), hidden);
            QCOMPARE(Preferences::infoMessageHidden.stored(overlay.preferences), hidden);
        }
    }

    // The brush follows the pointer and hides while drawing; Ctrl+Z and Ctrl+Shift+Z undo and
    // redo the stroke, Z being the key the layout labels so.
    void drawingHidesTheBrushAndCtrlZUndoes() {
        Overlay overlay(true);
        DrawingView *view = overlay.view();
        sendMouse(view, QEvent::MouseMove, {100, 100}, Qt::NoButton);
        QTRY_COMPARE(view->brush->geometry().center(), QPoint(99, 99)); // at the next frame
        sendMouse(view, QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton);
        sendMouse(view, QEvent::MouseMove, {200, 150}, Qt::LeftButton);
        QVERIFY(view->brush->isHidden());
        sendMouse(view, QEvent::MouseButtonRelease, {200, 150}, Qt::NoButton);
        QVERIFY(!view->brush->isHidden());
        QTRY_COMPARE(view->brush->pos(), QPoint(197, 147));
        QCOMPARE(overlay.list().size(), std::size_t(1));
        // On AZERTY: the key labelled W (the position of Z) does nothing, the one labelled Z
        // undoes; a Cyrillic layout undoes at the position of Z.
        sendKey(view, Qt::Key_W, Key::z, Qt::ControlModifier);
        QCOMPARE(overlay.list().size(), std::size_t(1));
        sendKey(view, Qt::Key_Z, Key::w, Qt::ControlModifier);
        QVERIFY(overlay.list().empty());
        sendKey(view, Qt::Key_Z, Key::w, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(overlay.list().size(), std::size_t(1));
        sendKey(view, 0x42f, Key::z, Qt::ControlModifier); // Я
        QVERIFY(overlay.list().empty());
    }

    // Moves that come faster than frames wait for the next one: the end of the stroke shows
    // once the pointer rests, with no further input.
    void theEndOfAFastStrokeShowsOnceThePointerRests() {
        Overlay overlay(false);
        DrawingView *view = overlay.view();
        struct PaintLog : QObject {
            QList<QRegion> regions;
            bool eventFilter(QObject *, QEvent *event) override {
                if (event->type() == QEvent::Paint)
                    regions << static_cast<QPaintEvent *>(event)->region();
                return false;
            }
        } log;
        view->installEventFilter(&log);
        sendMouse(view, QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton);
        sendMouse(view, QEvent::MouseMove, {110, 100}, Qt::LeftButton);
        QTRY_VERIFY(!log.regions.isEmpty()); // the first change shows at once
        log.regions.clear();
        for (int x = 120; x <= 400; x += 20)
            sendMouse(view, QEvent::MouseMove, {qreal(x), 100}, Qt::LeftButton);
        const auto endShown = [&] {
            return std::any_of(log.regions.cbegin(), log.regions.cend(), [](const QRegion &region) {
                return region.contains(QPoint(400, 100));
            });
        };
        QTRY_VERIFY_WITH_TIMEOUT(endShown(), 500);
        sendMouse(view, QEvent::MouseButtonRelease, {400, 100}, Qt::NoButton);
    }
};

QTEST_MAIN(TestDrawingOverlay)
#include "tst_drawingoverlay.moc"
