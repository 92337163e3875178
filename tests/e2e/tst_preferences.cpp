#include "E2ESession.h"
#include "FakeDesktop.h"

#include <QDir>
#include <QTest>

// The preferences window, reached from the tray panel and used with the keyboard alone.
class TestPreferences : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Start at login writes exactly one valid autostart entry and takes it away again; the
    // highlight's box follows the highlight; a folder chosen here is where the next Ctrl+S
    // saves, without asking.
    void startAtLoginAndTheScreenshotFolder() {
        E2ESession::Options options;
        options.firstRun = true; // the panel opens by itself
        options.monitorSize = {1280, 800};
        E2ESession session(options);
        QVERIFY2(session.start(), qPrintable(session.errorString));
        QVERIFY(
            E2ESession::waitUntil([&] { return session.windowShown(u"Quillory Menu"_qs); }, 8000));
        E2ESession::settle(300);
        session.key(u"shift+Tab space"_qs); // its last button: Preferences
        QVERIFY(E2ESession::waitUntil(
            [&] { return session.windowShown(u"Quillory Preferences"_qs); }, 8000));
        E2ESession::settle(300);

        const QString autostart = session.home() + u"/.config/autostart"_qs;
        const QString entry = autostart + u"/org.quillory.Quillory.desktop"_qs;
        session.key(u"Tab space"_qs); // the start-at-login box
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(entry), 5000);
        QCOMPARE(QDir(autostart).entryList(QDir::Files | QDir::Hidden).size(), 1);
        QByteArray complaints;
        QCOMPARE(session.run(u"desktop-file-validate"_qs, {entry}, &complaints), 0);
        QVERIFY2(complaints.trimmed().isEmpty(), complaints.constData());
        QFile file(entry);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("Exec=\"" QUILLORY_BINARY "\""));
        QVERIFY(session.stores(u"LoginStartStatus"_qs, u"<true/>"_qs));

        session.key(u"space"_qs);
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(entry), 5000);
        QVERIFY(session.stores(u"LoginStartStatus"_qs, u"<false/>"_qs));

        // The highlight's box switches it at once; switched off from outside, the box follows,
        // so the next press switches it on again.
        const QString highlight = u"Quillory Cursor Highlight"_qs;
        session.key(u"Tab space"_qs);
        QVERIFY(E2ESession::waitUntil([&] { return session.windowShown(highlight); }, 3000));
        QVERIFY(session.stores(u"CursorHighlight"_qs, u"<true/>"_qs));
        QCOMPARE(session.runQuillory({u"--action"_qs, u"highlight"_qs}), 0);
        QVERIFY(E2ESession::waitUntil([&] { return !session.windowShown(highlight); }, 3000));
        session.key(u"space"_qs);
        QVERIFY(E2ESession::waitUntil([&] { return session.windowShown(highlight); }, 3000));
        QVERIFY(session.stores(u"CursorHighlight"_qs, u"<true/>"_qs));

        // Past the fading ink's seconds: keeping drawings over a quit.
        session.key(u"Tab Tab space"_qs);
        QTRY_VERIFY_WITH_TIMEOUT(session.stores(u"pz.keepDrawings"_qs, u"<true/>"_qs), 3000);

        const QString folder = session.home() + u"/Slides"_qs;
        QVERIFY(QDir().mkpath(folder));
        session.key(u"shift+Tab shift+Tab shift+Tab shift+Tab space"_qs); // the folder button
        QVERIFY(E2ESession::waitUntil(
            [&] { return session.windowShown(u"Choose a Folder for Screenshots"_qs); }, 8000));
        E2ESession::settle(300);
        session.run(u"xdotool"_qs, {u"type"_qs, folder});
        session.key(u"Return"_qs);
        QVERIFY(E2ESession::waitUntil(
            [&] { return !session.windowShown(u"Choose a Folder for Screenshots"_qs); }, 5000));
        E2ESession::settle(300);
        session.key(u"ctrl+s"_qs);
        QTRY_COMPARE_WITH_TIMEOUT(QDir(folder).entryList(QDir::Files).size(), 1, 8000);
        QVERIFY(!session.windowShown(u"Choose a Folder for Screenshots"_qs));
    }

    // Preferences that cannot be written (a file stands where their folder would be) are
    // announced once, with the file and the reason, however many writes fail.
    void unsavedPreferencesAreAnnouncedOnce() {
        E2ESession::Options options;
        options.launch = false;
        E2ESession session(options);
        QVERIFY2(session.start(), qPrintable(session.errorString));
        FakeDesktop desktop(session.busAddress());
        QVERIFY(desktop.isReady());
        const QString folder = session.home() + u"/.config/quillory"_qs;
        QVERIFY(QDir(folder).removeRecursively() && QFile(folder).open(QIODevice::WriteOnly));
        QVERIFY2(session.startApplication(), qPrintable(session.errorString));
        QTRY_COMPARE_WITH_TIMEOUT(desktop.notifications.shown().size(), 1, 8000);
        const QString body = desktop.notifications.shown()[0].body;
        QVERIFY2(body.contains(folder + u"/preferences.plist"_qs) &&
                     body.contains(qt_error_string(ENOTDIR)),
                 qPrintable(body));
        E2ESession::settle(1000); // the start wrote several keys
        QCOMPARE(desktop.notifications.shown().size(), 1);
    }
};

QTEST_MAIN(TestPreferences)
#include "moc_FakeDesktop.cpp"
#include "tst_preferences.moc"
