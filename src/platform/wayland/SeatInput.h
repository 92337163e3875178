#pragma once

#include <QCursor>
#include <QObject>
#include <QPointF>
#include <QTimer>

#include <functional>
#include <memory>

class QInputEvent;
class TabletInput;
struct wl_buffer;
struct wl_compositor;
struct wl_cursor_theme;
struct wl_keyboard;
struct wl_pointer;
struct wl_seat;
struct wl_shm;
struct wl_surface;
struct xkb_compose_state;
struct xkb_compose_table;
struct xkb_context;
struct xkb_keymap;
struct xkb_state;
struct zwp_tablet_manager_v2;

// The pointer, the keyboard and the tablets of the compositor's seat over one surface of ours,
// as Qt's events: mouse presses, moves and releases, wheel turns, keys with their text and
// modifiers, and a pen's (TabletInput), in the surface's coordinates, each handed to `deliver`
// as it comes. The key codes
// and key symbols they carry are the ones X11 gives for the same keys, so the overlay reads
// them alike.
class SeatInput : public QObject {
    Q_OBJECT
public:
    using Deliver = std::function<void(QInputEvent *)>;

    // Made as soon as the seat is bound: it tells what devices it has right away.
    explicit SeatInput(wl_seat *seat, QObject *parent = nullptr);
    ~SeatInput() override;

    // Where the pointer's cursor comes from, once those globals are bound.
    void setCursorSource(wl_compositor *compositor, wl_shm *shm) {
        m_compositor = compositor;
        m_shm = shm;
    }

    // Where the compositor offers the tablet protocol: the pens too. Takes `manager`.
    void setTablets(zwp_tablet_manager_v2 *manager);

    // Input over `surface` goes to `deliver`; none: nothing is delivered.
    void follow(wl_surface *surface, Deliver deliver);

    // The pointer's shape over the surface: the theme's cross or text cursor, a picture of its
    // own (a ring, a dot), or the theme's arrow.
    void setCursorShape(const QCursor &cursor);

    // The Qt key of a key symbol (0 for none), for the keys the overlay uses.
    static int qtKey(quint32 keysym, const QString &text);

private:
    void capabilities(quint32 caps);
    void setCursor(quint32 serial);
    // A new surface showing the shape, with its hot spot; null where it has none to show.
    wl_surface *cursorSurface(QPoint &hotspot);
    wl_surface *themed(const char *name, QPoint &hotspot);
    wl_surface *pictured(const QImage &picture, QPoint hotSpot, QPoint &hotspot);
    void dropCursor();
    void mouse(int type, Qt::MouseButton button);
    void wheel();
    void keymap(int fd, quint32 size);
    void key(quint32 code, bool pressed);
    // The key that was pressed last, pressed again, as the compositor's repeat rate says.
    void repeat();
    Qt::KeyboardModifiers modifiers() const;
    void send(QInputEvent &event);

    wl_seat *m_seat;
    wl_compositor *m_compositor = nullptr;
    wl_shm *m_shm = nullptr;
    wl_pointer *m_pointer = nullptr;
    wl_keyboard *m_keyboard = nullptr;
    wl_surface *m_surface = nullptr;
    Deliver m_deliver;
    bool m_over = false; // the pointer is over our surface
    QPointF m_position;
    Qt::MouseButtons m_buttons;
    int m_wheel = 0;         // angle gathered since the last pointer frame, 120 a notch
    bool m_discrete = false; // the gathered angle came in notches
    wl_cursor_theme *m_cursorTheme = nullptr;
    wl_surface *m_cursor = nullptr;
    wl_buffer *m_cursorPicture = nullptr; // a pictured cursor's pixels, while it shows
    QPoint m_hotspot;
    QCursor m_cursorShape = Qt::ArrowCursor;
    quint32 m_enterSerial = 0;
    std::unique_ptr<TabletInput> m_tablets;
    xkb_context *m_xkb = nullptr;
    xkb_keymap *m_keymap = nullptr;
    xkb_state *m_state = nullptr;
    xkb_compose_table *m_composeTable = nullptr; // the locale's dead keys and Compose sequences
    xkb_compose_state *m_compose = nullptr;
    QTimer m_repeat;
    quint32 m_repeatKey = 0; // the kernel's code, while it repeats
    int m_repeatRate = 25;   // a second, as the compositor asks; 0: no repeat
    int m_repeatDelay = 600; // ms
};
