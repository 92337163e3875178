#include "E2ESession.h"
#include "FakeDesktop.h"
#include "platform/FolderBookmark.h"
#include "screenshots/Screenshotter.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QSize kMonitor(1280, 800);
const QString kPicker = u"Choose a Folder for Screenshots"_qs;
const QRegularExpression
    kName(u"^Quillory \\d{4}-\\d\\d-\\d\\d at (0\\d|1[0-2])\\.\\d\\d\\.\\d\\d (AM|PM)\\.png$"_qs);
// Where the palette's colour column stands (30 from the left, above the tools).
const QRect kPalette(30, kMonitor.height() - 420, 40, 300);

E2ESession::Options options(bool compositor) {
    E2ESession::Options result;
    result.compositor = compositor;
    result.monitorSize = kMonitor;
    result.launch = false;
    return result;
}

#define START(session, desktop)                                                                    \
    QVERIFY2((session).start(), qPrintable((session).errorString));                                \
    FakeDesktop desktop((session).busAddress());                                                   \
    QVERIFY(desktop.isReady());                                                                    \
    QVERIFY2((session).startApplication(), qPrintable((session).errorString))

QStringList entries(const QString &folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

// The pixels in `area` that differ from the desktop's colour.
int marked(const QImage &image, const QRect &area, const QColor &desktop) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += !E2ESession::near(image.pixelColor(x, y), desktop, 20);
    return count;
}

// Ctrl+S, then the folder typed into the picker.
bool saveAskingFor(E2ESession &session, const QString &folder) {
    session.key(u"ctrl+s"_qs);
    if (!E2ESession::waitUntil([&] { return session.windowShown(kPicker); }, 8000))
        return false;
    E2ESession::settle(300);
    session.run(u"xdotool"_qs, {u"type"_qs, folder});
    E2ESession::settle(200);
    session.key(u"Return"_qs);
    return true;
}

// Makes a folder read-only when asked to. Root writes into folders without write permission,
// so for root an empty tmpfs is mounted over the folder at once, to be remounted read-only
// later; it goes again with this. Where root may not mount, `possible` is false.
class ReadOnlyLater {
public:
    explicit ReadOnlyLater(const QString &folder)
        : m_path(QFile::encodeName(folder))
        , m_root(::geteuid() == 0)
        , m_mounted(m_root && ::mount("tmpfs", m_path, "tmpfs", 0, "size=64m") == 0) {}
    ~ReadOnlyLater() {
        if (m_mounted)
            ::umount2(m_path.constData(), MNT_DETACH);
        else
            ::chmod(m_path.constData(), 0700);
    }
    bool possible() const { return !m_root || m_mounted; }
    bool lock() {
        return m_root ? ::mount(nullptr, m_path, nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0
                      : ::chmod(m_path.constData(), 0500) == 0;
    }

private:
    const QByteArray m_path;
    const bool m_root;
    const bool m_mounted;
};

} // namespace

class TestScreenshots : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Ctrl+S asks for a folder once, writes the screen with its drawings and without the
    // palette, notifies, and a click on the notification shows the file; Ctrl+C copies.
    void saveAndCopyWithACompositor() {
        E2ESession session(options(true));
        START(session, desktop);
        const QColor background = session.screenshot().pixelColor(900, 600);
        QCOMPARE(session.runQuillory({u"--action"_qs, u"toggle-tools"_qs}), 0);
        QVERIFY(E2ESession::waitUntil(
            [&] { return marked(session.screenshot(), kPalette, background) > 500; }, 5000));
        session.drag(E2ESession::line({300, 200}, {700, 200}, 10));

        const QString folder = session.home() + u"/Shots & <b>more</b>"_qs;
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(saveAskingFor(session, folder));
        QTRY_COMPARE_WITH_TIMEOUT(entries(folder).size(), 1, 8000);
        const QString first = entries(folder).constFirst();
        QVERIFY2(kName.match(first).hasMatch(), qPrintable(first));
        const QImage saved(folder + u'/' + first);
        QCOMPARE(saved.size(), kMonitor);
        QVERIFY(E2ESession::near(saved.pixelColor(500, 200), E2ESession::systemRed));
        QCOMPARE(marked(saved, kPalette, background), 0);
        // The palette is back once the picture is taken.
        QVERIFY(E2ESession::waitUntil(
            [&] { return marked(session.screenshot(), kPalette, background) > 500; }, 5000));

        QTRY_COMPARE_WITH_TIMEOUT(desktop.notifications.shown().size(), 1, 5000);
        const FakeNotifications::Shown note = desktop.notifications.shown().constFirst();
        QCOMPARE(note.app, u"Quillory"_qs);
        // Shown literally: the server renders markup, so the text comes escaped.
        QCOMPARE(note.body, u"Screenshot saved to ~/Shots &amp; &lt;b&gt;more&lt;/b&gt;/"_qs +
                                first.toHtmlEscaped());
        QVERIFY(note.actions.contains(u"default"_qs));

        // The next saves ask nothing; the notification before them goes. Two within a second
        // keep both pictures, and each notification shows its own file.
        session.key(u"ctrl+s ctrl+s"_qs);
        QTRY_COMPARE_WITH_TIMEOUT(entries(folder).size(), 3, 8000);
        QVERIFY(!session.windowShown(kPicker));
        QCOMPARE(desktop.notifications.closed(), QList<uint>{note.id});
        QTRY_COMPARE_WITH_TIMEOUT(desktop.notifications.shown().size(), 3, 5000);
        const QString second = desktop.notifications.shown()[1].body.section(u'/', -1);
        QVERIFY2(entries(folder).contains(second) &&
                     desktop.notifications.shown()[2].body.section(u'/', -1) != second,
                 qPrintable(second));
        desktop.click(desktop.notifications.shown()[1].id);
        QTRY_COMPARE_WITH_TIMEOUT(
            desktop.fileManager.shownItems(),
            QStringList{QUrl::fromLocalFile(folder + u'/' + second).toString(QUrl::FullyEncoded)},
            5000);

        // Ctrl+S held down saves once, not at the keyboard's repeat rate.
        session.keyDown(u"ctrl+s"_qs);
        QTest::qWait(1500);
        session.keyUp(u"ctrl+s"_qs);
        QTRY_COMPARE_WITH_TIMEOUT(desktop.notifications.shown().size(), 4, 5000);
        QTest::qWait(500);
        QCOMPARE(entries(folder).size(), 4);

        session.key(u"ctrl+c"_qs);
        QTRY_COMPARE_WITH_TIMEOUT(desktop.notifications.shown().size(), 5, 5000);
        QCOMPARE(desktop.notifications.shown().constLast().body,
                 u"Screenshot copied to the clipboard"_qs);
        const QImage copied = session.clipboardImage();
        QCOMPARE(copied.size(), kMonitor);
        QVERIFY(E2ESession::near(copied.pixelColor(500, 200), E2ESession::systemRed));
        // A click on the clipboard notification does nothing.
        desktop.click(desktop.notifications.shown().constLast().id);
        session.key(u"ctrl+shift+c"_qs);
        QTest::qWait(800);
        QCOMPARE(desktop.notifications.shown().size(), 5);
        QCOMPARE(desktop.fileManager.shownItems().size(), 1);
    }

    // Without a compositor the picture shows the drawings as a compositor would, no dark
    // edges; a folder that vanished or was replaced asks again; a failed write leaves nothing.
    void folderProblemsWithoutACompositor() {
        E2ESession session(options(false));
        START(session, desktop);
        session.drag(E2ESession::line({300, 300}, {700, 420}, 10));
        const QString folder = session.home() + u"/Shots"_qs;
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(saveAskingFor(session, folder));
        QTRY_COMPARE_WITH_TIMEOUT(entries(folder).size(), 1, 8000);
        const QImage saved(folder + u'/' + entries(folder).constFirst());
        QVERIFY(E2ESession::near(saved.pixelColor(500, 360), E2ESession::systemRed));
        // Every pixel around the stroke blends red with the desktop's blue: none is dark.
        int darkest = 255;
        for (int x = 320; x < 680; x += 7)
            for (int y = 280; y < 440; ++y)
                darkest = std::min(darkest, saved.pixelColor(x, y).blue());
        QVERIFY2(darkest >= 40, qPrintable(QString::number(darkest)));
        // The shape comes back: the stroke still shows.
        QVERIFY(session.waitForColor({500, 360}, E2ESession::systemRed));

        // Another folder at the same path: stale, so the picker opens; cancelling saves nothing.
        // (Made before the old one goes, which could hand the new one its inode.)
        QVERIFY(QDir().rename(folder, folder + u"-old"_qs) && QDir().mkpath(folder));
        QVERIFY(QDir(folder + u"-old"_qs).removeRecursively());
        session.key(u"ctrl+s"_qs);
        QVERIFY(session.waitForLog(u"Bookmark is stale!"_qs));
        QVERIFY(E2ESession::waitUntil([&] { return session.windowShown(kPicker); }, 8000));
        session.key(u"Escape"_qs);
        QTRY_VERIFY_WITH_TIMEOUT(!desktop.notifications.shown().isEmpty() &&
                                     desktop.notifications.shown().constLast().body ==
                                         u"The screenshot could not be taken or saved"_qs,
                                 5000);
        QVERIFY(entries(folder).isEmpty());

        // A folder that vanished cannot be resolved: the picker again.
        const QString other = session.home() + u"/Other"_qs;
        QVERIFY(QDir().mkpath(other));
        QVERIFY(saveAskingFor(session, other));
        QTRY_COMPARE_WITH_TIMEOUT(entries(other).size(), 1, 8000);
        QVERIFY(QDir(other).removeRecursively());
        session.key(u"ctrl+s"_qs);
        QVERIFY(session.waitForLog(u"The screenshot folder cannot be found"_qs));
        QVERIFY(E2ESession::waitUntil([&] { return session.windowShown(kPicker); }, 8000));

        // Files under every name the next seconds give stay as they are: the picture takes
        // the next free name, and nothing else is left behind.
        const qsizetype notes = desktop.notifications.shown().size();
        QVERIFY(saveAskingFor(session, folder));
        QTRY_COMPARE_WITH_TIMEOUT(desktop.notifications.shown().size(), notes + 1, 8000);
        const QDateTime now = QDateTime::currentDateTime();
        for (int s = 0; s < 6; ++s) {
            QFile taken(folder + u'/' + Screenshotter::fileName(now.addSecs(s)) + u".png"_qs);
            QVERIFY(taken.open(QIODevice::WriteOnly) && taken.write("taken") == 5);
        }
        const qsizetype before = entries(folder).size();
        session.key(u"ctrl+s"_qs);
        QTRY_COMPARE_WITH_TIMEOUT(desktop.notifications.shown().size(), notes + 2, 8000);
        const QString next = desktop.notifications.shown().constLast().body.section(u'/', -1);
        QVERIFY2(next.endsWith(u" (2).png"_qs), qPrintable(next));
        QVERIFY(!QImage(folder + u'/' + next).isNull());
        QCOMPARE(entries(folder).size(), before + 1);
        for (int s = 0; s < 6; ++s)
            QCOMPARE(QFileInfo(folder + u'/' + Screenshotter::fileName(now.addSecs(s)) + u".png"_qs)
                         .size(),
                     5);
    }

    // The help card shows at first start; its folder link picks the folder, which the card
    // and the next save use at once; "/" puts it away for good.
    void helpCardPicksTheFolder() {
        E2ESession::Options withCard = options(true);
        withCard.helpCard = true;
        E2ESession session(withCard);
        START(session, desktop);
        const QPoint centre(kMonitor.width() / 2, kMonitor.height() / 2);
        const QPoint inCard = centre + QPoint(-240, -270); // inside its top-left corner
        const QColor card = session.screenshot().pixelColor(inCard);
        QVERIFY2(card.lightness() < 60, qPrintable(card.name()));
        // A press and drag over its plain text draws nothing.
        session.drag(E2ESession::line(centre + QPoint(-100, -150), centre + QPoint(0, -150), 5));
        E2ESession::settle();
        QVERIFY(E2ESession::near(session.screenshot().pixelColor(inCard), card));

        const QString folder = session.home() + u"/Talks"_qs;
        QVERIFY(QDir().mkpath(folder));
        session.click(centre + QPoint(100, 267)); // "a folder of your choice"
        QVERIFY(E2ESession::waitUntil([&] { return session.windowShown(kPicker); }, 8000));
        E2ESession::settle(300);
        session.run(u"xdotool"_qs, {u"type"_qs, folder});
        session.key(u"Return"_qs);
        QVERIFY(session.waitForLog(u"in ~/Talks"_qs));
        QVERIFY(entries(folder).isEmpty()); // picking is not saving

        session.key(u"ctrl+s"_qs);
        QTRY_COMPARE_WITH_TIMEOUT(entries(folder).size(), 1, 8000);
        QVERIFY(!session.windowShown(kPicker));

        session.key(u"slash"_qs);
        QVERIFY(session.waitForColor(inCard, card, false));
        QVERIFY(session.stores(u"pz.infoMessageHidden"_qs, u"<true/>"_qs));
    }

    // With two monitors the picture is the one under the overlay, at its size.
    void copyTakesTheMonitorUnderTheOverlay() {
        E2ESession::Options two = options(true);
        two.twoMonitors = true;
        E2ESession session(two);
        START(session, desktop);
        const int right = kMonitor.width();
        session.moveTo({right + 600, 400});
        QVERIFY(session.waitForLog(u"Overlay moved to RIGHT"_qs));
        session.drag(E2ESession::line({right + 200, 300}, {right + 500, 300}, 8));
        QVERIFY(session.waitForColor({right + 350, 300}, E2ESession::systemRed));
        session.key(u"ctrl+c"_qs);
        QVERIFY(session.waitForLog(u"Screenshot copied"_qs));
        const QImage copied = session.clipboardImage();
        QCOMPARE(copied.size(), kMonitor);
        QVERIFY(E2ESession::near(copied.pixelColor(350, 300), E2ESession::systemRed));
    }

    // A folder that cannot be written gives a failure notification and leaves nothing behind.
    // Nor can the preferences be written: the notification saying so stays up through the
    // next saves, which close only the last capture's own.
    void readOnlyFolders() {
        E2ESession session(options(true));
        QVERIFY2(session.start(), qPrintable(session.errorString));
        const QString folder = session.home() + u"/Locked"_qs;
        const QString config = session.home() + u"/.config/quillory"_qs;
        QFile preferences(config + u"/preferences.plist"_qs);
        QVERIFY(QDir().mkpath(folder) && preferences.open(QIODevice::ReadOnly));
        const QByteArray seeded = preferences.readAll();
        preferences.close();
        ReadOnlyLater shots(folder), settings(config);
        if (!shots.possible() || !settings.possible())
            QSKIP("root may not mount a file system here");
        QVERIFY(preferences.open(QIODevice::WriteOnly) && preferences.write(seeded) > 0);
        preferences.close();
        FakeDesktop desktop(session.busAddress());
        QVERIFY(desktop.isReady());
        QVERIFY2(session.startApplication(), qPrintable(session.errorString));

        QVERIFY(settings.lock());
        QVERIFY(saveAskingFor(session, folder)); // the folder is kept in memory only
        QTRY_COMPARE_WITH_TIMEOUT(entries(folder).size(), 1, 8000);
        QTRY_COMPARE_WITH_TIMEOUT(desktop.notifications.shown().size(), 2, 8000);
        QList<FakeNotifications::Shown> shown = desktop.notifications.shown();
        const bool noticeFirst = shown[0].summary == u"Settings are not saved"_qs;
        QVERIFY(shown[noticeFirst ? 0 : 1].summary == u"Settings are not saved"_qs);
        const uint saved = shown[noticeFirst ? 1 : 0].id;

        QVERIFY(shots.lock());
        QTest::qWait(1100);
        session.key(u"ctrl+s"_qs);
        QTRY_COMPARE_WITH_TIMEOUT(desktop.notifications.shown().size(), 3, 8000);
        QCOMPARE(desktop.notifications.shown().constLast().body,
                 u"The screenshot could not be taken or saved"_qs);
        QCOMPARE(entries(folder).size(), 1);
        QVERIFY(!session.windowShown(kPicker)); // not stale: nothing to ask
        QCOMPARE(desktop.notifications.closed(), QList<uint>{saved});
    }

    // The X server goes away under a save, as when a session ends without SIGTERM: the picture
    // taken is written whole, and Quillory ends cleanly instead of dying with it.
    void xServerGoesAwayWhileSaving() {
        QTemporaryDir shots;
        const std::optional<QByteArray> bookmark = FolderBookmark::create(shots.path());
        QVERIFY(bookmark);
        E2ESession::Options large = options(true);
        large.monitorSize = {3840, 2160}; // a picture that takes a while to write
        large.preferences = u"<key>pz.screenshotBookmark</key><data>"_qs +
                            QString::fromLatin1(bookmark->toBase64()) + u"</data>"_qs;
        E2ESession session(large);
        START(session, desktop);
        session.drag(E2ESession::line({300, 300}, {900, 300}, 10));
        QVERIFY(session.waitForColor({600, 300}, E2ESession::systemRed));
        QCOMPARE(session.runQuillory({u"--action"_qs, u"save"_qs}), 0);
        QVERIFY(session.waitForLog(u"Screenshot taken"_qs));
        session.killXServer();
        QTRY_VERIFY_WITH_TIMEOUT(!session.applicationRunning(), 10000);
        QCOMPARE(session.applicationExitCode(), 0);
        QCOMPARE(entries(shots.path()).size(), 1); // nothing half-written beside it
        const QImage saved(shots.filePath(entries(shots.path()).constFirst()));
        QCOMPARE(saved.size(), QSize(3840, 2160));
        QVERIFY(E2ESession::near(saved.pixelColor(600, 300), E2ESession::systemRed));
        QVERIFY2(session.log().contains(u"the screenshots taken are written"_qs),
                 qPrintable(session.log()));
        QVERIFY(session.preferencesText().trimmed().endsWith(u"</plist>"_qs)); // whole
    }
};

QTEST_MAIN(TestScreenshots)
#include "moc_FakeDesktop.cpp"
#include "tst_screenshots.moc"
