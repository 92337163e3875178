#pragma once

#include "core/OverlayMode.h"
#include "drawing/DrawingViewModel.h"
#include "drawing/EffectStack.h"
#include "overlay/DrawingView.h"
#include "overlay/LineWidthStore.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QUndoStack>

class CompositorWatcher;
class NotificationCenter;
class OverlayInput;
class QPainter;
class PreferenceStore;
class ScreenDaemon;
class TransparentWindow;

// What the overlay works with; main hands the application's own.
struct OverlayServices {
    PreferenceStore &preferences;
    ScreenDaemon &screens;
    CompositorWatcher &compositor;
    NotificationCenter &notifications;
    DrawingHooks &hooks;
};

// The overlay's controller: keeps the view (and the palette, the help card) in line with the
// model, switches the modes and effects, follows the screen under the pointer and the
// compositor, and offers the rest of the application its commands.
class DrawingViewController : public QObject {
    Q_OBJECT
public:
    explicit DrawingViewController(const OverlayServices &services, QObject *parent = nullptr);
    ~DrawingViewController() override = default;

    // The last controller whose view was loaded.
    static QPointer<DrawingViewController> current;

    // How many drawing steps can be undone: a long talk keeps the newest, not every stroke it
    // ever drew (a clear holds the shapes it cleared).
    static constexpr int undoLimit = 500;
    QUndoStack undoManager;
    DrawingViewModel model;

    DrawingView *view() const { return m_view; }
    const EffectStack &effects() const { return m_effects; }
    // Puts the view into the window and binds everything.
    void loadView(TransparentWindow *window);
    void viewDidAppear();
    void moveToScreen(QScreen *screen);
    bool performKeyEquivalent(const KeyEvent &event) const {
        return event.keyCode && DrawingViewModel::isDrawingKeyEquivalent(*event.keyCode);
    }

    // --- the commands of the application, the panel, the command line ---

    // A tool or a palette colour, as its key picks it; any colour, as the panel's picker does.
    void pickTool(Shape shape) { model.shapeKeyboardKeyHandler.notify(paletteIndex(shape)); }
    void pickPaletteColor(int index) { model.colorKeyboardKeyHandler.notify(index); }
    void pickColor(const QColor &color) { model.selectColor(color); }
    // Drawing, or letting the pointer through (pointer mode): then the window takes no clicks,
    // no drag and no wheel (its input shape is empty, the pointer is not grabbed and the pointer
    // stream's window lets everything through), the shape being drawn and the text being typed
    // are finished, and the view shows its sign. Hiding the overlay returns it to drawing.
    OverlayMode mode() const { return m_mode; }
    void setMode(OverlayMode mode);
    // The rows of the toggle table. A zoom starts once the screen's picture is there; an
    // effect that cannot work here says so on the screen and in the log instead.
    bool isOn(Toggle toggle) const { return m_effects.isOn(toggle); }
    void setOn(Toggle toggle, bool on);
    // As a key, the palette or a remote switches it: the screen says what went on or off.
    void toggle(Toggle toggle);
    // Turns the board shown to its next page (`step` 1) or its previous one (-1).
    void turnPage(int step);
    // The zoom's picture of the screen, as asked for by zoomPictureRequested; null: none.
    void showZoomPicture(const QImage &picture);
    // The pointer mode's sign names the way back: the shortcut that works (empty: none) and
    // whether the tray icon shows.
    void setWayBack(const QString &shortcut, bool trayIcon) {
        m_view->setWayBack(shortcut, trayIcon);
    }
    // What the palette never covers (the tray icon), in global coordinates.
    void setPaletteKeepClear(const QRect &area) { m_view->setPaletteKeepClear(area); }
    // How long fading ink stays, from the release to gone.
    void setFadeDelay(qint64 ms) { model.fadingInk.setDelay(ms); }
    // The help card, in the place of the empty one.
    void setInfoView(QWidget *card) { m_view->setInfoView(card); }
    // Without a compositor a grab of `screen` shows the desktop without the overlay: what goes
    // over it. Null where the grab shows the overlay already (or it is elsewhere).
    QImage overlayImage(QScreen *screen);

    // What the overlay shows now, at device pixels on a transparent ground (for another
    // surface to show instead of the window).
    QImage picture() const;
    // `area` of that picture, in place, onto a painter clipped to it.
    void paintPicture(QPainter &painter, const QRegion &area) const;
    // While the window is hidden because another surface shows the drawings instead, hiding
    // it ends nothing (the mode, the effects stay), and each frame that changes something
    // (a stroke, fading ink, a notice) tells `changed` where. None: the window shows them
    // again.
    void handOver(std::function<void(const QRegion &)> changed);
    // The overlay went off the screen while another surface showed it: what hiding its window
    // ends, ends.
    void viewDidDisappear();
    // Whether that surface takes the keyboard, which the X server then knows nothing of.
    void setKeyboardElsewhere(bool elsewhere);

    // What `quillory --action state` reports.
    struct State {
        OverlayMode mode;
        Shape tool;
        QColor color, ink; // the palette's, and what is drawn with on the surface
        double width;
        Surface surface;
        bool fade, spotlight, zoomPending;
        double zoomFactor;
        int page, pages; // a board's page shown (from 0) and its count; 0 and 1 on the screen
    };
    State state() const;

    // The notification that shows or hides the palette (it shares its name with the stored
    // choice).
    static inline const QString updateToolsOnScreenNotification =
        QStringLiteral("UpdateToolsOnScreen");
    void setupNotification();

Q_SIGNALS:
    void modeChanged(OverlayMode mode);
    // The tool, colour or a line width picked changed.
    void selectionChanged();
    // The overlay's key for pointer mode was pressed.
    void pointerModeRequested();
    // A zoom wants a picture of `screen` as a screenshot takes it; showZoomPicture() gets it.
    void zoomPictureRequested(QScreen *screen);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void viewDidLoad();
    void passPointerThrough();
    // Ctrl+wheel sets the line width, the plain wheel the effect that takes it.
    void wheelTurned(int angle, bool control);
    void followSurface(Surface surface);
    // The zoom's picture, asked for and not yet there, is not wanted any more.
    void dropZoomPicture();
    void askZoomPicture();
    void showLaser();
    void followSelection();
    // The palette's mode buttons show pressed while their mode is on, and undo and redo faint
    // while there is nothing to undo or redo.
    void showModes();
    void modeClicked(ModeColumn::Item item);
    // Where the presenter put the palette on `screen`, and remembering it.
    void placePalette(const QScreen *screen);
    void storePalettePlace(QPoint place);
    // The palette and the help card show as stored, but neither in pointer mode, nor the
    // palette during a capture.
    void showPanels();
    // The help card shows as stored, but not in pointer mode.
    void showCard();
    // Ends the rows of the toggle table that are not remembered (on a hide, in pointer mode).
    void endUntilHidden() {
        for (const Toggle toggle : m_effects.onUntilHidden())
            setOn(toggle, false);
    }
    void moveBrushToPointer();
    void followCompositor(bool running);
    // Whether the pointer is grabbed: without a compositor, while the window shows and draws.
    void followPointer();

    PreferenceStore &m_preferences;
    ScreenDaemon &m_screens;
    CompositorWatcher &m_compositor;
    NotificationCenter &m_notifications;
    DrawingHooks &m_hooks;
    EffectStack m_effects;
    LineWidthStore m_widths;
    QPointer<TransparentWindow> m_window;
    QPointer<DrawingView> m_view;
    OverlayInput *m_input;
    int m_wheelAngle = 0;
    bool m_capturing = false;
    bool m_handedOver = false;
    bool m_shownBefore = false; // since Quillory started
    QElapsedTimer m_zoomAskedAt;
    OverlayMode m_mode = OverlayMode::draw;
};
