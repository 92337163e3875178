#include "drawing/DrawingViewController.h"
#include "drawing/MainWindowController.h"
#include "platform/AppActivation.h"
#include "platform/CompositorWatcher.h"
#include "platform/Localization.h"
#include "platform/NotificationCenter.h"
#include "screens/ScreenDaemon.h"
#include "settings/Preferences.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

namespace {

// X11 keycodes (evdev code + 8) of keys.
constexpr quint32 x11(Key key) {
    return evdevCode(key) + 8;
}
constexpr quint32 kX11Key4 = x11(Key::four), kX11Key1 = x11(Key::one), kX11KeyL = x11(Key::l),
                  kX11KeySlash = x11(Key::slash), kX11KeyZ = x11(Key::z), kX11KeyA = x11(Key::a);

void sendKey(QWidget *view, int qtKey, quint32 scanCode, Qt::KeyboardModifiers modifiers = {},
             QEvent::Type type = QEvent::KeyPress) {
    QKeyEvent event(type, qtKey, modifiers, scanCode, 0, 0);
    QApplication::sendEvent(view, &event);
}

void sendMouse(QWidget *view, QEvent::Type type, QPointF at, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers = {}) {
    QMouseEvent event(type, at, view->mapToGlobal(at), Qt::LeftButton, buttons, modifiers);
    QApplication::sendEvent(view, &event);
}

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
        resize(QSize(1280, 800));
    }
    void resize(QSize size) {
        window()->resize(size);
        window()->show(); // layout happens for shown windows
        QVERIFY(QTest::qWaitForWindowExposed(window()));
    }
    TransparentWindow *window() { return controller->window(); }
    DrawingViewController &content() { return controller->contentViewController(); }
    DrawingView *view() { return content().view(); }
    DrawingViewModel &model() { return content().model; }

    void drag(QPointF from, QPointF to, Qt::KeyboardModifiers modifiers = {}) {
        sendMouse(view(), QEvent::MouseButtonPress, from, Qt::LeftButton, modifiers);
        for (int i = 1; i <= 5; ++i)
            sendMouse(view(), QEvent::MouseMove, from + (to - from) * i / 5, Qt::LeftButton,
                      modifiers);
        sendMouse(view(), QEvent::MouseButtonRelease, to, Qt::NoButton, modifiers);
    }
};

} // namespace

class TestDrawingOverlay : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(Localization::install()); }

    void firstStartHidesThePaletteAndTheNotificationToggles() {
        Overlay overlay;
        QCOMPARE(Preferences::updateToolsOnScreen.stored(overlay.preferences), false);
        QVERIFY(!overlay.view()->toolsVisible());
        overlay.notifications.post(QStringLiteral("UpdateToolsOnScreen"));
        QVERIFY(overlay.view()->toolsVisible());
        QCOMPARE(Preferences::updateToolsOnScreen.stored(overlay.preferences), true);
        overlay.notifications.post(QStringLiteral("UpdateToolsOnScreen"));
        QVERIFY(!overlay.view()->toolsVisible());
        QCOMPARE(Preferences::updateToolsOnScreen.stored(overlay.preferences), false);

        Overlay shown(true);
        QVERIFY(shown.view()->toolsVisible());
    }

    void paletteStaysOnScreen_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("toolsBottomGap");
        QTest::newRow("1080") << QSize(1920, 1080) << 110;
        QTest::newRow("768") << QSize(1366, 768) << 58;
    }
    void paletteStaysOnScreen() {
        QFETCH(QSize, size);
        QFETCH(int, toolsBottomGap);
        Overlay overlay(true);
        overlay.resize(size);
        const QRect tools = overlay.view()->shapesRadioGroup->geometry();
        const QRect colors = overlay.view()->colorsRadioGroup->geometry();
        QCOMPARE(tools.size(), QSize(35, 235));
        QCOMPARE(colors.size(), QSize(35, 435));
        QCOMPARE(tools.left(), 30);
        QCOMPARE(colors.left(), 30);
        QCOMPARE(size.height() - (tools.y() + tools.height()), toolsBottomGap);
        QCOMPARE(tools.y() - (colors.y() + colors.height()), 30);
        QVERIFY(colors.top() >= 10);
    }

    void keysDriveThePaletteAndThePaletteFeedsTheModel() {
        Overlay overlay(true);
        DrawingView *view = overlay.view();
        // The palette's first buttons are the model's start: red and the pen.
        QCOMPARE(overlay.model().selectedColor(), QColor(255, 59, 48));
        QCOMPARE(overlay.model().selectedShape, Shape::pen);

        sendKey(view, Qt::Key_4, kX11Key4);
        const QColor blue(0, 122, 255);
        QCOMPARE(overlay.model().selectedColor(), blue);
        QCOMPARE(view->brush->backgroundColor(), blue);
        for (ShapeRadioButton *button : view->shapesRadioGroup->buttons())
            QCOMPARE(button->tintColor(), blue);

        sendKey(view, Qt::Key_L, kX11KeyL); // the second tool button, though `line` is 2
        QCOMPARE(overlay.model().selectedShape, Shape::line);
        QCOMPARE(view->shapesRadioGroup->buttons().at(1)->radioState(), RadioButtonState::selected);

        overlay.drag({100, 100}, {200, 150});
        QCOMPARE(overlay.model().drawings.value().size(), std::size_t(1));
        QCOMPARE(*overlay.model().drawings.value().back()->strokeColor, blue);

        // Shift+1 on the physical key of "1" picks the first colour.
        sendKey(view, Qt::Key_Exclam, kX11Key1, Qt::ShiftModifier);
        QCOMPARE(overlay.model().selectedColor(), QColor(255, 59, 48));
    }

    void keyEquivalentsAreSwallowedAndZUndoes() {
        Overlay overlay(true);
        DrawingView *view = overlay.view();
        sendKey(view, Qt::Key_4, kX11Key4, Qt::ControlModifier); // Ctrl+4: swallowed
        QCOMPARE(overlay.model().selectedColor(), QColor(255, 59, 48));
        QVERIFY(overlay.content().performKeyEquivalent(
            KeyEvent{carbonKeyCode(Key::r), QStringLiteral("r"), ModifierCommand, false}));
        QVERIFY(!overlay.content().performKeyEquivalent(
            KeyEvent{carbonKeyCode(Key::z), QStringLiteral("z"), ModifierCommand, false}));

        overlay.drag({100, 100}, {200, 150});
        sendKey(view, Qt::Key_Z, kX11KeyZ, Qt::ControlModifier);
        QVERIFY(overlay.model().drawings.value().empty());
        sendKey(view, Qt::Key_Z, kX11KeyZ, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(overlay.model().drawings.value().size(), std::size_t(1));
    }

    void brushHidesWhileDrawingAndShiftSwitchesTheArrowIcon() {
        Overlay overlay(true);
        DrawingView *view = overlay.view();
        sendMouse(view, QEvent::MouseMove, {300, 200}, Qt::NoButton);
        QCOMPARE(view->brush->geometry().center(), QPoint(300, 200) - QPoint(1, 1));
        sendMouse(view, QEvent::MouseButtonPress, {300, 200}, Qt::LeftButton);
        QVERIFY(view->brush->isHidden());
        sendMouse(view, QEvent::MouseMove, {340, 260}, Qt::LeftButton);
        sendMouse(view, QEvent::MouseButtonRelease, {340, 260}, Qt::NoButton);
        QVERIFY(!view->brush->isHidden());
        QCOMPARE(view->brush->pos(), QPoint(337, 257));

        const auto arrow = view->shapesRadioGroup->buttons().at(2);
        const auto pen = view->shapesRadioGroup->buttons().at(0);
        // Through the window system, which keeps the keyboard's modifier state.
        QWindow *window = overlay.window()->windowHandle();
        QTest::keyPress(window, Qt::Key_Shift, Qt::ShiftModifier);
        QVERIFY(overlay.model().enableModification.value());
        QVERIFY(arrow->modified() && pen->modified());
        QCOMPARE(ShapeRadioButton::imageName(Shape::arrow, arrow->modified()),
                 QStringLiteral("iconArrowModified-1"));
        QTest::keyRelease(window, Qt::Key_Shift);
        QVERIFY(!overlay.model().enableModification.value());
        QVERIFY(!arrow->modified());
    }

    void slashTogglesTheHelpPanelAndScreenshotsHideTheTools() {
        Overlay overlay(false);
        DrawingView *view = overlay.view();
        view->infoView->show();
        sendKey(view, Qt::Key_Slash, kX11KeySlash);
        QVERIFY(view->infoView->isHidden());
        QCOMPARE(Preferences::infoMessageHidden.stored(overlay.preferences), true);
        sendKey(view, Qt::Key_Slash, kX11KeySlash);
        QVERIFY(!view->infoView->isHidden());
        QCOMPARE(Preferences::infoMessageHidden.stored(overlay.preferences), false);

        overlay.configure.notify(true);
        QVERIFY(view->brush->isHidden());
        overlay.configure.notify(false); // after a capture the tools show, whatever was stored
        QVERIFY(view->toolsVisible());
        QVERIFY(!view->brush->isHidden());
    }
};

QTEST_MAIN(TestDrawingOverlay)
#include "tst_drawingoverlay.moc"
