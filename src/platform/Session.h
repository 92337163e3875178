#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// What kind of desktop session Quillory runs in, read once before the application object
// exists (the platform choice below changes the environment Qt reads).
class Session {
public:
    // A variable set for Quillory's own start only. undo() gives it back the value it had
    // before, or its absence, once the application object exists: programs Quillory starts (a
    // file manager, a browser) get the user's environment.
    class StartupVariable {
    public:
        void set(const char *name, const QByteArray &value);
        void undo();

    private:
        const char *m_name = nullptr;
        std::optional<QByteArray> m_before;
    };

    // A Wayland session: WAYLAND_DISPLAY is set. Quillory still talks X11 there, through
    // XWayland, but X key grabs and X screen grabs only see X windows.
    static bool isWayland();

    // In a Wayland session, Qt's xcb platform (XWayland) unless the user chose a platform
    // with QT_QPA_PLATFORM: the overlay has to be placed on a given screen, stay above other
    // windows and read the pointer, which a plain Wayland client cannot. Call before the
    // application object is made, with the variable to undo once it exists. Returns the line
    // to log about the choice.
    static QString choosePlatform(StartupVariable &platform);

    // Qt's X11 windows hand their pixels to the server through shared memory, and a paint
    // that overlaps the previous one first waits for a round trip to the server. The overlay
    // repaints a few neighbouring spots every frame while a stroke is drawn, so Quillory sends
    // them over the connection instead, which needs no answer. A whole-screen repaint (undo,
    // clear) costs more that way, but it is rare, and a stroke paints every frame. Made before
    // the application object, and undone (undo()) once it exists, as a StartupVariable; the
    // user's own QT_XCB_NO_MITSHM stays as it is.
    class SocketPaints {
    public:
        SocketPaints();
        void undo() { m_variable.undo(); }

    private:
        StartupVariable m_variable;
    };
};
