#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

// Whether Quillory is the active application, and making it so. Where a window manager runs,
// "active" is Qt's application state: switching to another program deactivates Quillory.
// Without one, nothing reports that, so Quillory counts as active from activate() until
// hide(). Activating never shows a window by itself (each window's controller shows its own);
// it gives the focus to the frontmost shown window.
class AppActivation : public QObject {
    Q_OBJECT
public:
    explicit AppActivation(QObject *parent = nullptr);

    bool isActive() const;
    // Makes Quillory the active application: raises and focuses `front`, or when none is
    // given the shown window that last had the focus.
    void activate(QWidget *front = nullptr);
    // Hides every application window (the tray icon and the windows kept shown stay) and
    // deactivates.
    void hide();
    // Deactivates, the windows staying on the screen: if one of them has the keyboard it goes
    // to the window under the pointer (X's "pointer root" focus), so that the keys reach the
    // program the user points at. Where a window manager runs it may then pick another. With
    // `leaveFocus`, for a window that is about to go away, the keyboard is left to the window
    // manager: GNOME keeps a focus of its own and would not move it to a window clicked later.
    void resign(bool leaveFocus = false);
    // A window that hiding the application leaves on the screen: one that is not part of what
    // the user puts away, such as the cursor highlight.
    void keepShown(QWidget *window) { m_keptShown.append(window); }

Q_SIGNALS:
    void didBecomeActive();
    void didResignActive();

private:
    void setActive(bool active);
    bool followsApplicationState() const;

    bool m_active = false;
    QPointer<QWidget> m_lastFocused;
    QList<QPointer<QWidget>> m_keptShown;
};
