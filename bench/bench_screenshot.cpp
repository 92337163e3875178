// What a screenshot costs: the grab of the screen, the PNG encoding and writing, the file's
// size; beside it scrot's whole run on the same screen when scrot is installed. Run it on an X
// display (bench/screenshot.sh makes Xvfb screens of 1920x1080 and 3840x2160). The screen
// shows text, columns of the project's sources, the kind of screen a presenter saves. The rows for
// other zlib levels are what the writer's level was chosen by.
//
// The portal row is what a screenshot costs in a Wayland session: from asking the Screenshot
// portal to holding the screen's part of its picture (request, the portal's grab and PNG file,
// reading that file, the crop), then the same write. It asks the real portal when one is on
// the session bus (a sway session with xdg-desktop-portal-wlr), else a stand-in in this process
// that grabs the X screen and writes it as a PNG file at zlib's default level, as grim does.
#include "platform/dbus/ScreenshotPortal.h"
#include "screenshots/Screenshotter.h"

#include <QApplication>
#include <QBuffer>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageWriter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int runs = 5;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One save as Quillory makes it, into a file of its own; the file's size, or -1 on failure.
qint64 writeOnce(const QImage &image, const QString &folder) {
    const QString written = Screenshotter::writePng(image, folder, QStringLiteral("shot"));
    const qint64 size = written.isEmpty() ? -1 : QFileInfo(written).size();
    QFile::remove(written);
    return size;
}

// The portal's side, as xdg-desktop-portal-wlr does it: a grab of the whole desktop, written
// to a PNG file, whose URI the Response signal of the request object carries.
class StandInPortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
public:
    StandInPortal(QDBusConnection bus, QString file)
        : m_bus(std::move(bus))
        , m_file(std::move(file)) {}

public Q_SLOTS:
    QDBusObjectPath Screenshot(const QString &, const QVariantMap &options,
                               const QDBusMessage &call) {
        QString sender = call.service().mid(1);
        sender.replace(u'.', u'_');
        const QString handle = QStringLiteral("/org/freedesktop/portal/desktop/request/") + sender +
                               u'/' + options.value(QStringLiteral("handle_token")).toString();
        QTimer::singleShot(0, this, [this, handle] {
            QGuiApplication::primaryScreen()->grabWindow(0).save(m_file, "png");
            QDBusMessage response =
                QDBusMessage::createSignal(handle, QStringLiteral("org.freedesktop.portal.Request"),
                                           QStringLiteral("Response"));
            response << 0u
                     << QVariantMap{
                            {QStringLiteral("uri"), QUrl::fromLocalFile(m_file).toString()}};
            m_bus.send(response);
        });
        return QDBusObjectPath(handle);
    }

private:
    QDBusConnection m_bus;
    QString m_file;
};

// The portal row: from the request to the screen's part of the picture, then the write.
void portalRow(QScreen *screen, const QString &folder, const QString &standInFile) {
    const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::printf("no session bus: no portal row\n");
        return;
    }
    const bool real = bus.interface()->isServiceRegistered(service).value();
    QDBusConnection standInBus = QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                                               QStringLiteral("stand-in portal"));
    StandInPortal standIn(standInBus, standInFile);
    if (!real && !(standInBus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"),
                                             &standIn, QDBusConnection::ExportAllSlots) &&
                   standInBus.registerService(service))) {
        std::printf("cannot stand in for the portal: no portal row\n");
        return;
    }
    ScreenshotPortal portal;
    std::vector<double> take, write;
    QImage image;
    qint64 size = -1;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        QEventLoop loop;
        portal.take([&](const QImage &desktop) {
            image =
                Screenshotter::screenPart(desktop, screen->virtualGeometry(), screen->geometry());
            loop.quit();
        });
        loop.exec();
        take.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        if (image.isNull() || (size = writeOnce(image, folder)) < 0) {
            std::printf("the portal gave no picture\n");
            return;
        }
        write.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("%-28s %9.0f %9.0f %9.0f %10.0f\n",
                real ? "portal (running portal)" : "portal (stand-in, X grab)", median(take),
                median(write), median(take) + median(write), size / 1024.0);
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "bench_screenshot needs an X display; see bench/screenshot.sh\n");
        return 2;
    }
    QApplication app(argc, argv);
    QScreen *screen = QGuiApplication::primaryScreen();
    QWidget page;
    page.setWindowFlags(Qt::FramelessWindowHint);
    page.setGeometry(screen->geometry());
    auto *columns = new QHBoxLayout(&page);
    QDirIterator sources(QStringLiteral(QUILLORY_SOURCE_DIR "/src"), {QStringLiteral("*.cpp")},
                         QDir::Files, QDirIterator::Subdirectories);
    for (int x = 0; x < screen->geometry().width(); x += 640) {
        QString text;
        while (text.size() < 20000 && sources.hasNext()) {
            QFile file(sources.next());
            if (file.open(QIODevice::ReadOnly))
                text += QString::fromUtf8(file.readAll());
        }
        auto *column = new QPlainTextEdit(text);
        column->setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 9));
        columns->addWidget(column);
    }
    page.show();
    QElapsedTimer shown;
    shown.start();
    while (shown.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);

    QTemporaryDir dir;
    std::vector<double> grab, write;
    QImage image;
    qint64 size = -1;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        image = screen->grabWindow(0).toImage();
        grab.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        if ((size = writeOnce(image, dir.path())) < 0)
            return 1;
        write.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("screen %dx%d, median of %d runs\n", image.width(), image.height(), runs);
    std::printf("%-28s %9s %9s %9s %10s\n", "", "grab ms", "write ms", "total ms", "size KiB");
    std::printf("%-28s %9.0f %9.0f %9.0f %10.0f\n", "Quillory (worker thread)", median(grab),
                median(write), median(grab) + median(write), size / 1024.0);
    portalRow(screen, dir.path(), dir.filePath(QStringLiteral("portal.png")));

    for (const int quality : {-1, 50, 80, 89}) {
        std::vector<double> times;
        qint64 size = 0;
        for (int i = 0; i < 3; ++i) {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QImageWriter writer(&buffer, "png");
            writer.setQuality(quality);
            QElapsedTimer timer;
            timer.start();
            writer.write(image);
            times.push_back(timer.nsecsElapsed() / 1e6);
            size = buffer.size();
        }
        const QString label = quality < 0 ? QStringLiteral("Qt writer, default level")
                                          : QStringLiteral("Qt writer, quality %1").arg(quality);
        std::printf("%-28s %9s %9.0f %9s %10.0f\n", qPrintable(label), "", median(times), "",
                    size / 1024.0);
    }

    const QString scrot = QStandardPaths::findExecutable(QStringLiteral("scrot"));
    if (scrot.isEmpty()) {
        std::printf("scrot is not installed\n");
        return 0;
    }
    std::vector<double> times;
    const QString scrotFile = dir.filePath(QStringLiteral("scrot.png"));
    for (int i = 0; i < runs; ++i) {
        QFile::remove(scrotFile);
        QElapsedTimer timer;
        timer.start();
        QProcess::execute(scrot, {QStringLiteral("-o"), scrotFile});
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("%-28s %9s %9s %9.0f %10.0f\n", "scrot (whole run)", "", "", median(times),
                QFileInfo(scrotFile).size() / 1024.0);
    return 0;
}

#include "bench_screenshot.moc"
