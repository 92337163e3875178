#include "platform/FolderBookmark.h"
#include "platform/dbus/ScreenshotPortal.h"
#include "platform/dbus/UserNotifications.h"
#include "screenshots/Screenshotter.h"
#include "settings/PreferenceStore.h"
#include "settings/Preferences.h"

#include <QApplication>
#include <QClipboard>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDir>
#include <QFileDialog>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

namespace {
// A screenshotter with its preferences in `dir`, saving into `folder`; notifications go nowhere.
// `overlay` is asked for the overlay's picture at each capture.
struct Saving {
    explicit Saving(const QString &dir, const QString &folder = {},
                    std::function<QImage(QScreen *)> overlay = {})
        : preferences(dir + u"/preferences.plist"_qs)
        , overlayImage(std::move(overlay)) {
        if (!folder.isEmpty())
            Preferences::screenshotBookmark.set(preferences, *FolderBookmark::create(folder));
    }
    PreferenceStore preferences;
    UserNotifications notifications{QDBusConnection(u"none"_qs)};
    Handler<QUrl> activated;
    std::function<QImage(QScreen *)> overlayImage;
    Screenshotter screenshotter{{preferences, notifications, activated, nullptr, {}, overlayImage}};
};

// The desktop portal's screenshots, answering every request with the file `file`.
class StandInPortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
public:
    explicit StandInPortal(QDBusConnection connection)
        : bus(std::move(connection)) {}
    QDBusConnection bus;
    QString file;
public Q_SLOTS:
    QDBusObjectPath Screenshot(const QString &, const QVariantMap &options,
                               const QDBusMessage &call) {
        const QString handle = u"/org/freedesktop/portal/desktop/request/"_qs +
                               call.service().mid(1).replace(u'.', u'_') + u'/' +
                               options.value(u"handle_token"_qs).toString();
        QDBusMessage response = QDBusMessage::createSignal(
            handle, u"org.freedesktop.portal.Request"_qs, u"Response"_qs);
        response << 0u << QVariantMap{{u"uri"_qs, QUrl::fromLocalFile(file).toString()}};
        QTimer::singleShot(0, this, [this, response] { bus.send(response); });
        return QDBusObjectPath(handle);
    }
};
} // namespace

class TestScreenshotter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Two-digit 12-hour clock, then the locale's own marker, as the locale writes it.
    void fileNameUsesTheTwelveHourClock() {
        const QDate day(2024, 3, 7);
        QCOMPARE(Screenshotter::fileName(QDateTime(day, QTime(14, 5, 9)), QLocale::c()),
                 u"Quillory 2024-03-07 at 02.05.09 PM"_qs);
        QCOMPARE(Screenshotter::fileName(QDateTime(day, QTime(0, 30, 0)), QLocale::c()),
                 u"Quillory 2024-03-07 at 12.30.00 AM"_qs);
        QCOMPARE(Screenshotter::fileName(QDateTime(day, QTime(12, 0, 1)), QLocale::c()),
                 u"Quillory 2024-03-07 at 12.00.01 PM"_qs);
        const QLocale spanish(u"es_ES"_qs); // "a. m." with a no-break space
        QCOMPARE(Screenshotter::fileName(QDateTime(day, QTime(9, 0, 0)), spanish),
                 u"Quillory 2024-03-07 at 09.00.00 "_qs + spanish.amText());
        // Locales with digits of their own still give ASCII ones.
        for (const QLocale &locale : {QLocale(u"ar_EG"_qs), QLocale(u"mr_IN"_qs)}) {
            QVERIFY(locale.toString(5) != u"5"_qs);
            QCOMPARE(Screenshotter::fileName(QDateTime(day, QTime(14, 5, 9)), locale),
                     u"Quillory 2024-03-07 at 02.05.09 "_qs + locale.pmText());
        }
    }

    // Eight saves and a copy asked for at once are taken in turn, with at most two pictures
    // held (one being written, one waiting for it): each capture finds every earlier save but
    // one written. The tools stay hidden until the last picture is taken, and no save replaces
    // a file, another capture's or one that was there before.
    void capturesInFlightKeepEveryPicture() {
        QTemporaryDir dir;
        int captures = 0, mostUnwritten = 0;
        Saving saving(dir.path(), dir.path(), [&](QScreen *) {
            const int written = int(QDir(dir.path()).entryList({u"*.png"_qs}).size()) - 3;
            mostUnwritten = std::max(mostUnwritten, captures++ - written);
            return QImage();
        });
        const QDateTime now = QDateTime::currentDateTime();
        for (int s = 0; s < 3; ++s) {
            QFile taken(dir.filePath(Screenshotter::fileName(now.addSecs(s)) + u".png"_qs));
            QVERIFY(taken.open(QIODevice::WriteOnly) && taken.write("taken") == 5);
        }
        QList<bool> hidden;
        bool copied = false;
        QGuiApplication::clipboard()->clear();
        saving.screenshotter.configureForScreenshotHandler.watch(this, [&](const bool &on) {
            hidden << on;
            copied = !QGuiApplication::clipboard()->image().isNull();
        });
        QScreen *screen = QGuiApplication::primaryScreen();
        for (int s = 0; s < 8; ++s)
            saving.screenshotter.saveScreenshot(screen);
        saving.screenshotter.copyScreenshot(screen);
        QTRY_COMPARE(QDir(dir.path()).entryList({u"*.png"_qs}).size(), 11);
        QCOMPARE(hidden, (QList<bool>{true, false}));
        QVERIFY(copied); // before the tools came back
        QCOMPARE(captures, 9);
        QVERIFY2(mostUnwritten <= 1, qPrintable(QString::number(mostUnwritten)));
        // A name the filesystem refuses: nothing is left behind.
        QString error;
        QVERIFY(Screenshotter::writePng(QImage(8, 8, QImage::Format_RGB32), dir.path(),
                                        QString(300, u'x'), &error)
                    .isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 12);
        // The files that were there are as they were; the pictures are "… (2).png", "… (3).png".
        for (const QFileInfo &file : QDir(dir.path()).entryInfoList({u"*.png"_qs}))
            QCOMPARE(QImage(file.filePath()).isNull(), !file.fileName().endsWith(u").png"_qs));
    }

    // The portal's answer names a file to read, which may be anything: garbage, a FIFO (whose
    // open would wait for a writer) or a file too large for a picture give no picture, at once,
    // and stay where they are; a picture is read, and its file removed.
    void portalPictureIsReadWithinBounds() {
        QProcess daemon;
        daemon.start(u"dbus-daemon"_qs, {u"--session"_qs, u"--nofork"_qs, u"--print-address=1"_qs});
        QVERIFY(daemon.waitForStarted() && daemon.waitForReadyRead(5000));
        const QString address = QString::fromUtf8(daemon.readLine().trimmed());
        const auto stop = qScopeGuard([&daemon] {
            QDBusConnection::disconnectFromBus(u"stand-in"_qs);
            QDBusConnection::disconnectFromBus(u"quillory"_qs);
            daemon.terminate();
            daemon.waitForFinished();
        });
        StandInPortal standIn(QDBusConnection::connectToBus(address, u"stand-in"_qs));
        QVERIFY(standIn.bus.registerObject(u"/org/freedesktop/portal/desktop"_qs, &standIn,
                                           QDBusConnection::ExportAllSlots) &&
                standIn.bus.registerService(u"org.freedesktop.portal.Desktop"_qs));

        QTemporaryDir dir;
        const QString garbage = dir.filePath(u"garbage"_qs), fifo = dir.filePath(u"fifo"_qs),
                      huge = dir.filePath(u"huge"_qs), picture = dir.filePath(u"picture"_qs);
        QFile file(garbage);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a picture") > 0);
        file.close();
        QVERIFY(::mkfifo(qPrintable(fifo), 0600) == 0);
        QFile big(huge); // sparse: it takes no room
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(ScreenshotPortal::kMaxFileBytes + 1));
        big.close();
        QImage red(64, 32, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(picture, "PNG"));

        ScreenshotPortal portal(QDBusConnection::connectToBus(address, u"quillory"_qs));
        for (const QString &path : {garbage, fifo, huge, picture}) {
            standIn.file = path;
            std::optional<QImage> got;
            portal.take([&got](const QImage &desktop) { got = desktop; });
            QTRY_VERIFY_WITH_TIMEOUT(got, ScreenshotPortal::kReadTimeoutMs / 2);
            QCOMPARE(got->size(), path == picture ? QSize(64, 32) : QSize(0, 0));
            QCOMPARE(QFileInfo::exists(path), path != picture);
        }
    }

    // The folder picker starts in the screenshot folder, else in Pictures, else at home.
    void pickerStartsInAFolderOfTheUsers() {
        QTemporaryDir home;
        qputenv("HOME", home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (home.path() + u"/.config"_qs).toLocal8Bit());
        const auto startsIn = [](Saving &saving) {
            QString shown;
            QTimer::singleShot(0, [&shown] {
                auto *picker = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
                if (picker) {
                    shown = picker->directory().absolutePath();
                    picker->reject();
                }
            });
            saving.screenshotter.pickLocation();
            return shown;
        };
        Saving nothingStored(home.path());
        QCOMPARE(startsIn(nothingStored), home.path());
        QVERIFY(QDir(home.path()).mkpath(u"Pictures/Shots"_qs));
        QCOMPARE(startsIn(nothingStored), home.path() + u"/Pictures"_qs);
        Saving stored(home.path(), home.path() + u"/Pictures/Shots"_qs);
        QCOMPARE(startsIn(stored), home.path() + u"/Pictures/Shots"_qs);
    }

    void displayPathShortensTheHomeFolderOnly() {
        const QString home = QDir::homePath();
        QCOMPARE(Screenshotter::displayPath(QUrl::fromLocalFile(home + u"/Screen Shots"_qs)),
                 u"~/Screen Shots"_qs);
        // Shown literally: a name with a percent sign keeps it.
        QCOMPARE(Screenshotter::displayPath(QUrl::fromLocalFile(home + u"/a%20b/c"_qs)),
                 u"~/a%20b/c"_qs);
        QCOMPARE(Screenshotter::displayPath(QUrl::fromLocalFile(u"/media/Data/Shots"_qs)),
                 u"/media/Data/Shots"_qs);
        // A folder whose name merely starts like the home folder's is not in it.
        QCOMPARE(Screenshotter::displayPath(QUrl::fromLocalFile(home + u"-old/x"_qs)),
                 home + u"-old/x"_qs);
    }

    // The portal's picture shows the whole desktop, at its outputs' device pixels: each screen
    // gets its own part of it, whole, wherever the desktop's origin lies.
    void screenPartOfThePortalsPicture() {
        QImage desktop(2 * 3000, 2 * 1000, QImage::Format_RGB32);
        desktop.fill(Qt::blue);
        QPainter(&desktop).fillRect(2 * 1000, 0, 2 * 2000, 2 * 1000, Qt::red);
        const QRect virtualGeometry(-1000, 0, 3000, 1000);
        const QImage left =
            Screenshotter::screenPart(desktop, virtualGeometry, {-1000, 0, 1000, 800});
        QCOMPARE(left.size(), QSize(2000, 1600));
        QCOMPARE(left.pixelColor(1999, 1599), QColor(Qt::blue));
        const QImage right =
            Screenshotter::screenPart(desktop, virtualGeometry, {0, 0, 2000, 1000});
        QCOMPARE(right.size(), QSize(4000, 2000));
        QCOMPARE(right.pixelColor(0, 0), QColor(Qt::red));
        QVERIFY(Screenshotter::screenPart({}, virtualGeometry, {0, 0, 2000, 1000}).isNull());
    }

    // Resolves while the same folder stands at the path; stale once another one does; not at
    // all once nothing does, or from damaged data.
    void bookmarkFollowsTheFolder() {
        QTemporaryDir dir;
        const QString folder = dir.path() + u"/Shots"_qs;
        QVERIFY(QDir().mkpath(folder));
        const std::optional<QByteArray> data = FolderBookmark::create(folder);
        QVERIFY(data);
        QVERIFY(!FolderBookmark::create(folder + u"/missing"_qs));

        FolderBookmark::Resolved resolved = FolderBookmark::resolve(*data);
        QCOMPARE(resolved.path, folder);
        QVERIFY(!resolved.stale);

        // The same disk mounted again under another device number holds the same folder; a
        // bookmark without the filesystem id, as older versions wrote it, goes by the device.
        QJsonObject object = QJsonDocument::fromJson(*data).object();
        const auto staleWith = [&object](const QString &key, int change) {
            QJsonObject changed = object;
            changed[key] = QString::number(object[key].toString().toULongLong() + change);
            return FolderBookmark::resolve(QJsonDocument(changed).toJson()).stale;
        };
        QVERIFY(!staleWith(u"device"_qs, 1) && staleWith(u"inode"_qs, 1));
        object.remove(u"filesystem"_qs);
        QVERIFY(!staleWith(u"device"_qs, 0) && staleWith(u"device"_qs, 1));

        QVERIFY(QDir().rename(folder, folder + u"-old"_qs) && QDir().mkpath(folder));
        resolved = FolderBookmark::resolve(*data);
        QCOMPARE(resolved.path, folder);
        QVERIFY(resolved.stale);

        QVERIFY(QDir(folder).removeRecursively());
        resolved = FolderBookmark::resolve(*data);
        QVERIFY(resolved.path.isEmpty());
        QVERIFY(resolved.error.contains(folder));

        for (const QByteArray &damaged :
             {QByteArray("not json"), QByteArray(R"({"path":"relative","device":"1","inode":"2"})"),
              QByteArray(R"({"path":"/tmp","device":1,"inode":2})")}) {
            resolved = FolderBookmark::resolve(damaged);
            QVERIFY(resolved.path.isEmpty());
            QVERIFY(!resolved.error.isEmpty());
        }
    }
};

QTEST_MAIN(TestScreenshotter)
#include "tst_screenshotter.moc"
