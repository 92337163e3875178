#pragma once

#include "settings/Handler.h"

#include <QDateTime>
#include <QImage>
#include <QLocale>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QUrl>

#include <QDeadlineTimer>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

class PreferenceStore;
class QScreen;
class QFileDialog;
class QThread;
class QWidget;
class ScreenshotPortal;
class UserNotifications;

// Takes pictures of the screen under the overlay, drawings included, with the overlay's tools
// hidden for the moment of the capture: into a PNG file in a folder the user picked once, or
// onto the clipboard. Each result is confirmed by a desktop notification; a click on the one
// for a saved file shows the file in the file manager.
//
// Saves and copies are taken in the order they were asked for. A full-screen picture is large
// (32 MiB at 3840x2160), so at most two are held at once: one being encoded and written on a
// thread of its own, one taken and waiting for it. Requests beyond that wait, as requests, until
// one is done; a burst of remote saves costs time, not memory, and the main thread never waits.
class Screenshotter : public QObject {
    Q_OBJECT
public:
    struct Collaborators {
        PreferenceStore &preferences;
        UserNotifications &notifications;
        // Fired with its file when the user clicks a saved-file notification.
        Handler<QUrl> &screenshotNotificationActivated;
        // Where pictures come from in a Wayland session; none: a grab of the X screen.
        ScreenshotPortal *portal = nullptr;
        // What the overlay provides: the window the folder picker belongs to, and the
        // overlay's own picture to put over a grab of the desktop beneath it (null where a
        // compositor blends it into the grab already).
        std::function<QWidget *()> dialogParent = {};
        std::function<QImage(QScreen *)> overlayImage = {};
    };

    explicit Screenshotter(const Collaborators &collaborators, QObject *parent = nullptr);
    ~Screenshotter() override;

    // True just before a capture (the overlay hides its tools), false once no capture is under
    // way any more: two captures close together both leave the tools out.
    Handler<bool> configureForScreenshotHandler;
    // The user picked another folder.
    Handler<Nothing> screenshotLocationChangedHandler;

    void saveScreenshot(QScreen *screen);
    // Writes what is taken already (the file being written, the picture waiting for it) and drops
    // the requests not yet taken, with a line in the log. For the end of the process: it waits,
    // and no notification goes out.
    void finishWriting();
    // A picture of `screen` for the overlay itself (the zoom): as a screenshot sees it, with
    // the tools left out, but without a sound, a notification or a file. `done` gets a null
    // image when there is none.
    void takePicture(QScreen *screen, std::function<void(const QImage &)> done);
    void copyScreenshot(QScreen *screen);
    // The stored folder, or empty when none is stored or it cannot be resolved.
    QUrl screenshotLocation();
    // Asks for a folder; stores and announces it when the user picks one. The picker starts in
    // the current folder, else the desktop's Pictures folder, else home.
    QUrl pickLocation();
    // Shows a saved file in the file manager.
    void revealScreenshot(const QUrl &file);

    static QString displayPath(const QUrl &url);
    // "Quillory 2024-03-07 at 02.05.09 PM", the name of a file saved at `time`: the locale's
    // AM/PM marker, ASCII digits whatever the locale writes.
    static QString fileName(const QDateTime &time, const QLocale &locale = QLocale());
    // The whole screen at its device pixels, every window included: the X screen's own
    // pixels, or the part of the portal's picture of the desktop that the screen covers.
    // `done` gets a null image when there is no picture; it is called from the event loop
    // when the picture comes from the portal.
    void captureDisplay(QScreen *screen, std::function<void(const QImage &)> done);
    // The part of a picture of the whole virtual desktop that `screen` covers, at the
    // picture's own resolution (a portal shows HiDPI outputs at their device pixels).
    static QImage screenPart(const QImage &desktop, const QRect &virtualGeometry,
                             const QRect &screen);
    // Writes `image` into `folder` as the PNG file `name`.png, or `name` (2).png, (3) … when that
    // is taken (NewFile): never over another file. Returns the file's path; empty (and `error`
    // set) on failure.
    static QString writePng(const QImage &image, const QString &folder, const QString &name,
                            QString *error = nullptr);

private:
    struct Request {
        QPointer<QScreen> screen;
        QString folder; // empty for a copy
        QString name;
        QDeadlineTimer due; // the tools are out of the picture by then
    };
    struct Picture {
        QImage image;
        QString folder;
        QString name;
    };
    struct Written {
        QString path;
        QString error;
    };

    void request(QScreen *screen, const QString &folder, const QString &name, int delay);
    // Takes the next request's picture when it is due and there is room for it.
    void takeNext();
    void taken(const Request &request, const QImage &image);
    // Starts writing the waiting picture when no file is being written.
    void writeNext();
    void copied(const QImage &image);
    void saved(const QString &path, const QString &error);
    void deliverFailure();
    void closeCaptureNotifications();
    QImage withOverlay(QScreen *screen, QImage image);
    // The stored folder; empty, with the reason in `problem`, when it cannot be used.
    QString storedFolder(QString *problem = nullptr);
    // Around each capture: the tools hide for the first one under way and come back after the
    // last.
    void captureStarts();
    void captureEnds();

    PreferenceStore &m_preferences;
    UserNotifications &m_notifications;
    ScreenshotPortal *m_portal;
    std::function<QWidget *()> m_dialogParent;
    std::function<QImage(QScreen *)> m_overlayImage;
    std::deque<Request> m_requests; // asked for, not taken yet
    bool m_taking = false;          // a picture is being taken (the portal answers later)
    std::optional<Picture> m_next;  // taken, waiting for the writer
    QThread *m_writer = nullptr;    // encodes and writes one picture
    std::shared_ptr<Written> m_written;
    QTimer m_due; // wakes takeNext when the first request falls due
    QPointer<QFileDialog> m_picker;
    int m_capturing = 0;
};
