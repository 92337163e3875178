#include "overlay/DrawingViewController.h"
#include "overlay/MainWindowController.h"
#include "overlay/ModeSign.h"
#include "platform/Localization.h"
#include "platform/NotificationCenter.h"
#include "platform/x11/AppActivation.h"
#include "platform/x11/CompositorWatcher.h"
#include "screens/ScreenDaemon.h"
#include "settings/Preferences.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabletEvent>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QColor kRed(255, 59, 48), kBlue(0, 122, 255);

// A key press as the X server reports it: the keycode is the key's evdev code plus 8.
void sendKey(QWidget *view, int qtKey, Key key, Qt::KeyboardModifiers modifiers = {},
             const QString &text = {}) {
    QKeyEvent event(QEvent::KeyPress, qtKey, modifiers, evdevCode(key) + 8, 0, 0, text);
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

    explicit Overlay(std::optional<bool> toolsShown = std::nullopt,
                     const std::function<void(PreferenceStore &)> &stored = {}) {
        if (toolsShown)
            Preferences::updateToolsOnScreen.set(preferences, *toolsShown);
        if (stored)
            stored(preferences);
        hooks.configureForScreenshotHandler = &configure;
        controller = std::make_unique<MainWindowController>(
            OverlayServices{preferences, screens, compositor, notifications, hooks}, activation);
        controller->window()->resize(QSize(1366, 768)); // a low screen
        controller->window()->show();                   // layout happens for shown windows
        QVERIFY(QTest::qWaitForWindowExposed(controller->window()));
    }
    DrawingViewController &content() { return controller->contentViewController(); }
    DrawingView *view() { return content().view(); }
    DrawingViewModel &model() { return content().model; }
    // What the view paints now, as a picture of the screen would show it.
    QImage shown() { return view()->grab().toImage(); }
    void stroke(QPointF from, QPointF to) {
        sendMouse(view(), QEvent::MouseButtonPress, from, Qt::LeftButton);
        sendMouse(view(), QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
        sendMouse(view(), QEvent::MouseMove, to, Qt::LeftButton);
        sendMouse(view(), QEvent::MouseButtonRelease, to, Qt::NoButton);
    }
    const Drawings &list() { return model().drawings.value(); }
};

// A surface that takes the input, as the native one of a Wayland session does.
class InputSurface : public PassThroughSurface {
public:
    void show(const QImage &, const QRect &) override { m_shown = true; }
    void hide() override { m_shown = false; }
    bool isShown() const override { return m_shown; }
    QString outputName() const override { return u"layer-shell"_qs; }
    bool takesInput() const override { return true; }
    void showPainted(Painter, qreal, bool) override { m_shown = true; }
    // A pen's stroke (or tap) from its first point to its last, pressing as hard as given.
    void stroke(const QPointingDevice &device, const QList<QPointF> &points,
                const QList<qreal> &pressures) {
        for (qsizetype i = 0; i <= points.size(); ++i) {
            const QEvent::Type type = i == 0               ? QEvent::TabletPress
                                      : i == points.size() ? QEvent::TabletRelease
                                                           : QEvent::TabletMove;
            const QPointF at = points.value(i, points.last());
            const bool down = type != QEvent::TabletRelease;
            QTabletEvent event(type, &device, at, at, down ? pressures.value(i) : 0, 0, 0, 0, 0, 0,
                               {}, type == QEvent::TabletMove ? Qt::NoButton : Qt::LeftButton,
                               down ? Qt::LeftButton : Qt::NoButton);
            Q_EMIT input(&event);
        }
    }

private:
    bool m_shown = false;
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
        QCOMPARE(view->paletteArea().top(), 10); // 110 from the bottom on a screen high enough
        QCOMPARE(tools.top() - colors.bottom() - 1, 30);
        QCOMPARE(view->modesColumn->geometry().top(), colors.top()); // beside the colours

        // Dragged by its handle, the palette moves whole, stays on the screen and is remembered
        // for the screen; a new overlay puts it there again, clear of the tray icon.
        QWidget *grip = nullptr;
        for (QWidget *child : view->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (child->accessibleName() == u"Move the palette"_qs)
                grip = child;
        }
        QVERIFY(grip && grip->geometry().bottom() < colors.top());
        const QPoint from = grip->geometry().center();
        const auto drag = [&](QPoint to) {
            sendMouse(grip, QEvent::MouseButtonPress, grip->mapFrom(view, from), Qt::LeftButton);
            sendMouse(grip, QEvent::MouseMove, grip->mapFrom(view, to), Qt::LeftButton);
            sendMouse(grip, QEvent::MouseButtonRelease, grip->mapFrom(view, to), Qt::NoButton);
        };
        drag(from + QPoint(500, 10));
        QCOMPARE(view->paletteArea().topLeft(), QPoint(530, 20));
        QCOMPARE(view->shapesRadioGroup->geometry(), tools.translated(500, 10));
        Overlay again(true, [&](PreferenceStore &store) {
            Preferences::palettePlaces.set(store,
                                           Preferences::palettePlaces.value(overlay.preferences));
        });
        again.content().moveToScreen(again.view()->screen());
        QCOMPARE(again.view()->paletteArea().topLeft(), QPoint(530, 20));
        drag(view->paletteArea().topLeft() + from + QPoint(2000, 2000)); // far off the screen
        QCOMPARE(view->paletteArea().bottomRight(), QPoint(1365, 767));
        const QRect tray(again.view()->mapToGlobal(QPoint(550, 300)), QSize(24, 24));
        again.content().setPaletteKeepClear(tray);
        QVERIFY(!again.view()->paletteArea().intersects(QRect(QPoint(550, 300), QSize(24, 24))));
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
        // On a board the brush dot shows the ink drawn there: yellow darkened on white.
        sendKey(view, Qt::Key_2, Key::two);
        const QColor yellow = overlay.model().selectedColor();
        overlay.model().setSurface(Surface::whiteboard);
        QVERIFY(view->brush->backgroundColor() != yellow);
        QCOMPARE(view->brush->backgroundColor(), overlay.model().inkColor());
        overlay.model().setSurface(Surface::screen);
        QCOMPARE(view->brush->backgroundColor(), yellow);
        sendKey(view, Qt::Key_1, Key::one);

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

    // A pen on the native surface: it draws with its pressure (a light touch thin, a firm one
    // thick), its eraser end erases, and on the palette it picks as a click does.
    void aPenOnTheNativeSurface() {
        Overlay overlay(true);
        InputSurface surface;
        overlay.controller->setPassThrough(&surface);
        overlay.controller->showWindow();
        QVERIFY(surface.isShown());
        const auto device = [](QPointingDevice::PointerType type) {
            return std::make_unique<QPointingDevice>(
                u"stylus"_qs, 1, QInputDevice::DeviceType::Stylus, type,
                QInputDevice::Capability::Position | QInputDevice::Capability::Pressure, 1, 3);
        };
        const auto pen = device(QPointingDevice::PointerType::Pen);
        surface.stroke(*pen, {{400, 300}, {500, 300}, {600, 300}, {700, 300}}, {0.05, 0.05, 1, 1});
        QCOMPARE(overlay.list().size(), 1u);
        const QImage shown = overlay.shown();
        const auto thickness = [&shown](int x) {
            int rows = 0;
            for (int y = 250; y < 350; ++y)
                rows += shown.pixelColor(x, y).red() > 200 && shown.pixelColor(x, y).green() < 120;
            return rows;
        };
        QVERIFY2(thickness(450) < thickness(650),
                 qPrintable(u"%1 %2"_qs.arg(thickness(450)).arg(thickness(650))));

        surface.stroke(*device(QPointingDevice::PointerType::Eraser), {{550, 200}, {550, 400}},
                       {1, 1});
        QVERIFY(overlay.list().empty());
        const QWidget *blue = overlay.view()->colorsRadioGroup->buttons().at(3);
        const QPointF onBlue = blue->mapTo(overlay.view()->window(), blue->rect().center());
        surface.stroke(*pen, {onBlue}, {1});
        QCOMPARE(overlay.model().selectedColor(), kBlue);
        QVERIFY(overlay.list().empty());
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

    // The palette's mode buttons switch their modes and show pressed however the mode was
    // switched, undo and redo are faint with nothing to do; a key's pick is named on the
    // screen (below the pointer mode's sign, never instead of it); the pointer shows the tool.
    void thePaletteShowsTheModesAndKeysAreNamed() {
        Overlay overlay(true);
        DrawingViewController &content = overlay.content();
        DrawingView *view = overlay.view();
        ModeColumn &modes = *view->modesColumn;
        const auto button = [&](ModeColumn::Item item) { return modes.button(item); };
        const auto signs = [&] { // what the signs at the top say
            QStringList shown;
            for (const QWidget *child : view->findChildren<QWidget *>()) {
                if (child->isVisible() && dynamic_cast<const ModeSign *>(child))
                    shown << child->accessibleName();
            }
            return shown;
        };
        QVERIFY(!button(ModeColumn::Item::undo)->isEnabled());
        QCOMPARE(button(ModeColumn::Item::whiteboard)->toolTip(), u"White board (W)"_qs);
        QCOMPARE(view->cursor().shape(), Qt::CrossCursor);

        sendKey(view, Qt::Key_W, Key::w);
        QVERIFY(button(ModeColumn::Item::whiteboard)->isChecked());
        QVERIFY(signs().contains(u"White board"_qs));
        QTest::mouseClick(button(ModeColumn::Item::blackboard), Qt::LeftButton);
        QCOMPARE(overlay.model().surface(), Surface::blackboard);
        QVERIFY(button(ModeColumn::Item::blackboard)->isChecked() &&
                !button(ModeColumn::Item::whiteboard)->isChecked());
        sendKey(view, Qt::Key_Escape, Key::escape); // an empty board: Escape leaves it
        QVERIFY(!button(ModeColumn::Item::blackboard)->isChecked());
        for (bool on : {true, false}) {
            QTest::mouseClick(button(ModeColumn::Item::spotlight), Qt::LeftButton);
            QVERIFY(content.isOn(Toggle::spotlight) == on &&
                    button(ModeColumn::Item::spotlight)->isChecked() == on);
            QVERIFY(signs().contains(on ? u"Spotlight"_qs : u"Spotlight off"_qs));
        }

        overlay.stroke({400, 300}, {600, 300});
        QVERIFY(button(ModeColumn::Item::undo)->isEnabled());
        QTest::mouseClick(button(ModeColumn::Item::undo), Qt::LeftButton);
        QVERIFY(overlay.list().empty() && button(ModeColumn::Item::redo)->isEnabled());
        QTest::mouseClick(button(ModeColumn::Item::redo), Qt::LeftButton);
        QCOMPARE(overlay.list().size(), std::size_t(1));

        sendKey(view, Qt::Key_T, Key::t);
        QCOMPARE(view->cursor().shape(), Qt::IBeamCursor);
        QVERIFY(signs().contains(u"Text"_qs));
        sendKey(view, Qt::Key_E, Key::e);
        QCOMPARE(view->cursor().shape(), Qt::BitmapCursor); // the eraser's ring
        QTest::mouseClick(button(ModeColumn::Item::pointer), Qt::LeftButton);
        QCOMPARE(content.mode(), OverlayMode::pointer);
        QVERIFY(button(ModeColumn::Item::pointer)->isChecked());
        content.setWayBack(u"Ctrl+Alt+Shift+M"_qs, true);
        content.toggle(Toggle::fade); // by a remote, in pointer mode: the sign stays
        QCOMPARE(signs(), (QStringList{u"Pointer mode — press Ctrl+Alt+Shift+M or click the tray "
                                       u"icon to draw"_qs,
                                       u"Fading ink"_qs}));
    }

    // Where the modes meet. The zoom's picture is taken of the finished drawings alone: no help
    // card, notice, spotlight, laser, fading ink or caret is frozen into it; no screenshot shows
    // the laser, nor does pointer mode. The laser's trail fades on its own clock while fading ink
    // waits; typing on the zoom holds it still; a picture that comes after pointer mode began
    // is dropped; the spotlight ends with the compositor.
    void modesMeetWithoutLeavingTraces() {
        Overlay overlay(false);
        DrawingViewController &content = overlay.content();
        DrawingView *view = overlay.view();
        const auto painted = [&overlay](QPoint at) { return qAlpha(overlay.shown().pixel(at)); };
        overlay.stroke({100, 500}, {300, 500}); // ink that stays
        content.setFadeDelay(10'000);
        content.setOn(Toggle::fade, true);
        overlay.stroke({100, 550}, {300, 550});
        QVERIFY(overlay.model().fadingInk.size() == 1 && painted({200, 550}) > 0);
        sendKey(view, Qt::Key_D, Key::d); // the laser
        sendMouse(view, QEvent::MouseMove, {100, 100}, Qt::NoButton);
        sendMouse(view, QEvent::MouseMove, {400, 100}, Qt::NoButton);
        QVERIFY(painted({250, 100}) > 0 && painted({400, 100}) > 0);
        QTest::qWait(700); // its trail is gone, the dot stays
        QVERIFY(painted({250, 100}) == 0 && painted({400, 100}) > 0);
        overlay.configure.notify(true);
        QCOMPARE(painted({400, 100}), 0);
        overlay.configure.notify(false);
        QVERIFY(painted({400, 100}) > 0);

        content.setOn(Toggle::spotlight, true);
        view->infoView->show();
        int asked = 0;
        QImage picture;
        connect(&content, &DrawingViewController::zoomPictureRequested, this, [&] {
            ++asked;
            picture = overlay.shown();
        });
        view->showNotice(u"Spotlight"_qs);
        content.setOn(Toggle::zoom, true);
        QCOMPARE(asked, 1);
        QVERIFY(content.effects().zoomPending() && view->infoView->isHidden());
        QVERIFY(qAlpha(picture.pixel(200, 500)) == 255); // the ink that stays
        const QPoint notice(view->width() / 2, ModeSign::topMargin + 13);
        for (const QPoint at : {QPoint(400, 100), QPoint(200, 550), QPoint(5, 5), notice})
            QVERIFY2(qAlpha(picture.pixel(at)) == 0,
                     qPrintable(u"%1,%2"_qs.arg(at.x()).arg(at.y())));
        QImage screen(view->size(), QImage::Format_RGB32);
        screen.fill(Qt::darkGreen);
        content.showZoomPicture(screen);
        QVERIFY(content.effects().magnifier().isShown() && !content.effects().zoomPending() &&
                view->infoView->isVisible());

        sendKey(view, Qt::Key_T, Key::t); // typed on, the zoom holds still
        sendMouse(view, QEvent::MouseButtonPress, {300, 300}, Qt::LeftButton);
        sendMouse(view, QEvent::MouseButtonRelease, {300, 300}, Qt::NoButton);
        QVERIFY(!content.effects().magnifier().isHeld());
        sendKey(view, Qt::Key_A, Key::a, {}, u"a"_qs);
        QVERIFY(content.effects().magnifier().isHeld());

        content.setOn(Toggle::zoom, false);
        content.setOn(Toggle::zoom, true); // asked for, then pointer mode: the picture is dropped
        content.setMode(OverlayMode::pointer);
        content.showZoomPicture(screen);
        QVERIFY(!content.effects().magnifier().isShown() && !content.effects().zoomPending());
        QVERIFY(!content.isOn(Toggle::spotlight));
        content.setMode(OverlayMode::draw);
        sendKey(view, Qt::Key_D, Key::d);
        sendMouse(view, QEvent::MouseMove, {400, 100}, Qt::NoButton);
        QTRY_VERIFY(painted({400, 100}) > 0);
        content.setMode(OverlayMode::pointer); // the dot goes with the pointer
        QTRY_COMPARE(painted({400, 100}), 0);
        content.setMode(OverlayMode::draw);

        content.setOn(Toggle::spotlight, true);
        QVERIFY(content.isOn(Toggle::spotlight));
        Q_EMIT overlay.compositor.runningChanged(false);
        QVERIFY(!content.isOn(Toggle::spotlight));
    }

    // The undo history keeps the newest 500 steps; the line widths stored are read entry by
    // entry (one that is not a width falls back alone) and not written again at start.
    void undoLimitAndStoredWidths() {
        Overlay overlay(std::nullopt, [](PreferenceStore &store) {
            QFile file(store.filePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(R"(<?xml version="1.0" encoding="UTF-8"?><plist version="1.0"><dict>)"
                       R"(<key>pz.lineWidths</key><array><integer>5</integer><string>x</string>)"
                       R"(<integer>7</integer></array><key>UpdateToolsOnScreen</key><false/>)"
                       R"(</dict></plist>)");
        });
        QCOMPARE(overlay.model().lineWidth(Shape::pen), 5.0);
        QCOMPARE(overlay.model().lineWidth(Shape::line), tool(Shape::line).width);
        QCOMPARE(overlay.model().lineWidth(Shape::arrow), 7.0);
        QTest::qWait(100); // a write would have reached the file
        QFile file(overlay.preferences.filePath());
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll().contains("<string>x</string>"));
        for (int i = 0; i < 501; ++i)
            overlay.stroke({10, 10 + i % 300 * 1.0}, {50, 10 + i % 300 * 1.0});
        int undone = 0;
        for (; overlay.content().undoManager.canUndo(); ++undone)
            overlay.content().undoManager.undo();
        QCOMPARE(undone, 500);
        QCOMPARE(overlay.list().size(), std::size_t(1));
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
