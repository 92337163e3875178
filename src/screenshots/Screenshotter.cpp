#include "screenshots/Screenshotter.h"

#include "app/RequestChannels.h"
#include "platform/DiagnosticLog.h"
#include "platform/FolderBookmark.h"
#include "platform/NewFile.h"
#include "platform/dbus/ScreenshotPortal.h"
#include "platform/dbus/UserNotifications.h"
#include "platform/dbus/Workspace.h"
#include "settings/Preferences.h"
#include "settings/Weakly.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <memory>
#include <utility>

namespace {
// zlib level 1: by measurement (bench_screenshot) a screen's PNG is written in about a third of
// the default level's time, and is little bigger.
constexpr int pngQuality = 89;
const QString shutterSound = QStringLiteral("camera-shutter");
const QString shutterDescription = QStringLiteral("Screenshot taken");
} // namespace

Screenshotter::Screenshotter(const Collaborators &collaborators, QObject *parent)
    : QObject(parent)
    , m_preferences(collaborators.preferences)
    , m_notifications(collaborators.notifications)
    , m_portal(collaborators.portal)
    , m_dialogParent(collaborators.dialogParent)
    , m_overlayImage(collaborators.overlayImage) {
    collaborators.screenshotNotificationActivated.watch(
        this, weakly(this, &Screenshotter::revealScreenshot));
    m_due.setSingleShot(true);
    connect(&m_due, &QTimer::timeout, this, &Screenshotter::takeNext);
}

Screenshotter::~Screenshotter() {
    // A file being written is finished, not left behind half done; so is a picture taken.
    finishWriting();
}

void Screenshotter::finishWriting() {
    m_due.stop();
    if (!m_requests.empty())
        QLOG_ERROR(int(m_requests.size()), "screenshots asked for are not taken: Quillory ends");
    m_requests.clear();
    const auto log = [](const Written &written) {
        if (written.path.isEmpty())
            QLOG_ERROR("The screenshot could not be saved:", written.error);
        else
            QLOG("Screenshot saved to", written.path);
    };
    if (QThread *writer = std::exchange(m_writer, nullptr)) {
        writer->wait();
        log(*m_written);
        delete writer;
    }
    if (m_next) {
        Written written;
        written.path = writePng(m_next->image, m_next->folder, m_next->name, &written.error);
        m_next.reset();
        log(written);
    }
}

QString Screenshotter::fileName(const QDateTime &time, const QLocale &locale) {
    // The C locale for the numbers: Arabic or Marathi ones would write their own digits. "AP"
    // makes "hh" the 12-hour clock; the marker itself is the user's locale's.
    const QString clock =
        QLocale::c().toString(time, QStringLiteral("yyyy-MM-dd 'at' hh.mm.ss AP")).chopped(2);
    return QStringLiteral("Quillory ") + clock +
           (time.time().hour() < 12 ? locale.amText() : locale.pmText());
}

QString Screenshotter::displayPath(const QUrl &url) {
    const QString path = QDir::cleanPath(url.isLocalFile() ? url.toLocalFile() : url.path());
    const QString home = QDir::cleanPath(QDir::homePath());
    if (path == home)
        return QStringLiteral("~/");
    if (home != QStringLiteral("/") && path.startsWith(home + u'/'))
        return QStringLiteral("~/") + path.mid(home.size() + 1);
    return path;
}

QString Screenshotter::storedFolder(QString *problem) {
    const std::optional<QByteArray> data = Preferences::screenshotBookmark.stored(m_preferences);
    if (!data)
        return {};
    const FolderBookmark::Resolved folder = FolderBookmark::resolve(*data);
    if (problem && folder.path.isEmpty())
        *problem = QStringLiteral("The screenshot folder cannot be found: ") + folder.error;
    else if (problem && folder.stale)
        *problem = QStringLiteral("Bookmark is stale!");
    return folder.stale ? QString() : folder.path;
}

QUrl Screenshotter::screenshotLocation() {
    QString problem;
    const QString folder = storedFolder(&problem);
    if (!problem.isEmpty())
        QLOG_ERROR(problem);
    return folder.isEmpty() ? QUrl() : QUrl::fromLocalFile(folder);
}

QUrl Screenshotter::pickLocation() {
    if (m_picker) { // a second request while one is open: that one answers it
        m_picker->raise();
        m_picker->activateWindow();
        return {};
    }
    QWidget *parent = m_dialogParent ? m_dialogParent() : nullptr;
    const QPointer<QWidget> before = QApplication::activeWindow();
    //% "Choose a Folder for Screenshots"
    QFileDialog dialog(parent, qtTrId("screenshot.locationPicker.title"));
    m_picker = &dialog;
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    //% "Save"
    dialog.setLabelText(QFileDialog::Accept, qtTrId("screenshot.locationPicker.accept"));
    dialog.setWindowModality(Qt::ApplicationModal);
    // Above the overlay, which stays on top of everything else.
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    // Never the folder Quillory happened to be started in.
    QString start = storedFolder();
    if (start.isEmpty()) {
        const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        start = QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
    }
    dialog.setDirectory(start);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // The keys go back where they were before the picker took them (the overlay, or the
    // preferences window).
    if (QWidget *back = before ? before.data() : parent; back && back->isVisible()) {
        back->raise();
        back->activateWindow();
    }
    if (!accepted || dialog.selectedUrls().isEmpty())
        return {};
    const QUrl picked = dialog.selectedUrls().constFirst();
    QString error;
    if (const std::optional<QByteArray> bookmark =
            FolderBookmark::create(picked.toLocalFile(), &error)) {
        Preferences::screenshotBookmark.set(m_preferences, *bookmark);
        screenshotLocationChangedHandler.notify();
    } else {
        QLOG_ERROR("The screenshot folder cannot be remembered:", error);
    }
    return picked;
}

void Screenshotter::deliverFailure() {
    m_notifications.deliver(
        //% "Quillory"
        {qtTrId("screenshot.notification.title"),
         //% "The screenshot could not be taken or saved"
         qtTrId("screenshot.notification.error"),
         {},
         {}});
}

// The last capture's "saved" or "copied" goes before the next picture is taken, so that it is
// not in it; every other notification stays (the one saying that preferences cannot be written
// must not vanish with it).
void Screenshotter::closeCaptureNotifications() {
    m_notifications.removeDelivered(
        {NotificationIdentifiers::savedScreenshot, NotificationIdentifiers::copiedScreenshot});
}

void Screenshotter::saveScreenshot(QScreen *screen) {
    if (m_picker) {
        pickLocation(); // brings the open picker to the front; its save goes on
        return;
    }
    closeCaptureNotifications();
    const QString name = fileName(QDateTime::currentDateTime());
    int delay = 100;
    QUrl folder = screenshotLocation();
    if (folder.isEmpty()) {
        folder = pickLocation();
        delay = 300; // the picker's window has to be gone from the screen
    }
    if (folder.isEmpty())
        return deliverFailure();
    request(screen, folder.toLocalFile(), name, delay);
}

void Screenshotter::copyScreenshot(QScreen *screen) {
    closeCaptureNotifications();
    request(screen, {}, {}, 100);
}

void Screenshotter::request(QScreen *screen, const QString &folder, const QString &name,
                            int delay) {
    captureStarts();
    m_requests.push_back({screen, folder, name, QDeadlineTimer(delay)});
    takeNext();
}

void Screenshotter::takeNext() {
    // The picture being written and the one waiting for it are all there is room for.
    if (m_requests.empty() || m_taking || (m_writer && m_next))
        return;
    if (const qint64 wait = m_requests.front().due.remainingTime(); wait > 0)
        return m_due.start(int(wait));
    const Request next = m_requests.front();
    m_requests.pop_front();
    m_taking = true;
    captureDisplay(next.screen, [this, next](const QImage &image) { taken(next, image); });
}

void Screenshotter::taken(const Request &request, const QImage &image) {
    m_taking = false;
    if (request.folder.isEmpty()) {
        copied(image);
    } else if (image.isNull()) {
        QLOG_ERROR("No image of the screen to save");
        deliverFailure();
    } else {
        QLOG("Screenshot taken:", request.name);
        m_next = Picture{image, request.folder, request.name};
        writeNext();
    }
    // The tools come back once no capture waits, while the picture is encoded.
    captureEnds();
    // The next one from the event loop: between two captures the overlay goes on drawing.
    QTimer::singleShot(0, this, &Screenshotter::takeNext);
}

void Screenshotter::writeNext() {
    if (m_writer || !m_next)
        return;
    auto written = std::make_shared<Written>();
    m_writer = QThread::create([picture = std::move(*m_next), written]() mutable {
        written->path = writePng(picture.image, picture.folder, picture.name, &written->error);
        picture.image = QImage(); // its memory goes now, not with the thread object
    });
    m_next.reset();
    m_written = written;
    connect(m_writer, &QThread::finished, this, [this, writer = m_writer, written] {
        if (writer != m_writer)
            return; // finishWriting took care of it
        m_writer = nullptr;
        writer->deleteLater();
        saved(written->path, written->error);
        writeNext();
        takeNext();
    });
    m_writer->start();
}

void Screenshotter::saved(const QString &path, const QString &error) {
    if (path.isEmpty()) {
        QLOG_ERROR("The screenshot could not be saved:", error);
        return deliverFailure();
    }
    QLOG("Screenshot saved to", path);
    Workspace::playSound(shutterSound, shutterDescription);
    const QUrl file = QUrl::fromLocalFile(path);
    // The file goes with the notification: a click on it shows this one, not the latest.
    m_notifications.deliver({qtTrId("screenshot.notification.title"),
                             //% "Screenshot saved to %1"
                             qtTrId("screenshot.notification.success").arg(displayPath(file)),
                             NotificationIdentifiers::savedScreenshot, file});
}

void Screenshotter::copied(const QImage &image) {
    if (image.isNull()) {
        // Said, not just logged: a Ctrl+C that silently gives nothing leaves one guessing.
        QLOG_ERROR("No image of the screen to copy");
        return deliverFailure();
    }
    Workspace::playSound(shutterSound, shutterDescription);
    // Qt offers the image as image/png (and other types) to whoever pastes it.
    QGuiApplication::clipboard()->setImage(image);
    QLOG("Screenshot copied to the clipboard");
    m_notifications.deliver({qtTrId("screenshot.notification.title"),
                             //% "Screenshot copied to the clipboard"
                             qtTrId("screenshot.notification.success.clipboard"),
                             NotificationIdentifiers::copiedScreenshot,
                             {}});
}

QString Screenshotter::writePng(const QImage &image, const QString &folder, const QString &name,
                                QString *error) {
    // Encoded in memory: the file is written in one go.
    QByteArray png;
    QBuffer buffer(&png);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(pngQuality);
    if (!buffer.open(QIODevice::WriteOnly) || !writer.write(image)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(name, writer.errorString());
        return {};
    }
    return NewFile::write(folder, name, QStringLiteral(".png"), png, error);
}

void Screenshotter::takePicture(QScreen *screen, std::function<void(const QImage &)> done) {
    captureStarts();
    // What is not to be in the picture is painted away at once; a compositor shows that at its
    // next frame, and without one the window's shape takes it in as soon.
    constexpr int delay = 100;
    QTimer::singleShot(delay, this,
                       [this, target = QPointer<QScreen>(screen), done = std::move(done)] {
                           captureDisplay(target, [this, done](const QImage &image) {
                               captureEnds();
                               done(image);
                           });
                       });
}

void Screenshotter::captureDisplay(QScreen *screen, std::function<void(const QImage &)> done) {
    if (!screen)
        return done({});
    if (!m_portal) {
        QImage image = screen->grabWindow(0).toImage();
        if (image.isNull())
            return done({});
        image.setDevicePixelRatio(1.0);
        return done(withOverlay(screen, std::move(image)));
    }
    m_portal->take([self = QPointer<Screenshotter>(this), target = QPointer<QScreen>(screen),
                    done = std::move(done)](const QImage &desktop) {
        if (!self)
            return;
        const QImage image =
            target ? screenPart(desktop, target->virtualGeometry(), target->geometry()) : QImage();
        done(image.isNull() ? image : self->withOverlay(target, image));
    });
}

QImage Screenshotter::screenPart(const QImage &desktop, const QRect &virtualGeometry,
                                 const QRect &screen) {
    if (desktop.isNull() || virtualGeometry.isEmpty())
        return {};
    // Edge by edge, so that screens side by side share their border exactly.
    const double sx = double(desktop.width()) / virtualGeometry.width();
    const double sy = double(desktop.height()) / virtualGeometry.height();
    const QPoint origin = screen.topLeft() - virtualGeometry.topLeft();
    const QRect part = QRect(QPoint(qRound(origin.x() * sx), qRound(origin.y() * sy)),
                             QPoint(qRound((origin.x() + screen.width()) * sx) - 1,
                                    qRound((origin.y() + screen.height()) * sy) - 1)) &
                       desktop.rect();
    if (part.isEmpty())
        return {};
    QImage image = desktop.copy(part);
    image.setDevicePixelRatio(1.0);
    return image;
}

QImage Screenshotter::withOverlay(QScreen *screen, QImage image) {
    // Without a compositor the overlay is a shaped window of opaque pixels, hidden for the
    // grab: its own picture goes over the desktop, translucent fills and smooth edges included.
    if (m_overlayImage) {
        const QImage over = m_overlayImage(screen);
        if (!over.isNull()) {
            image = image.convertToFormat(QImage::Format_RGB32);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(image.rect(), over);
        }
    }
    return image;
}

void Screenshotter::captureStarts() {
    if (m_capturing++ == 0)
        configureForScreenshotHandler.notify(true);
}

void Screenshotter::captureEnds() {
    if (--m_capturing == 0)
        configureForScreenshotHandler.notify(false);
}

void Screenshotter::revealScreenshot(const QUrl &file) {
    if (file.isLocalFile())
        Workspace::revealFile(file.toLocalFile());
}
