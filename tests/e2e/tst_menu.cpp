#include "E2ESession.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QScopeGuard>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <atomic>

// The desktop's settings portal, as far as the colour scheme goes: 1 dark, 2 light.
class FakeSettingsPortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
public:
    std::atomic<uint> scheme = 1;
public Q_SLOTS:
    QDBusVariant Read(const QString &group, const QString &key) {
        const uint value = group == u"org.freedesktop.appearance"_qs && key == u"color-scheme"_qs
                               ? scheme.load()
                               : 0;
        return QDBusVariant(QVariant::fromValue(QDBusVariant(value))); // wrapped twice, as ours
    }
};

namespace {
const QString kCtrlAlt = u"<array><integer>13</integer><integer>11</integer></array>"_qs;
E2ESession::Options panelAtStart() {
    E2ESession::Options options;
    options.firstRun = true; // the panel opens by itself
    options.monitorSize = {1280, 800};
    return options;
}
const QString kCtrlShift = u"<array><integer>14</integer><integer>11</integer></array>"_qs;
} // namespace

// Recording shortcuts in the tray panel, with the keyboard alone.
class TestMenu : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // On a French layout: the key that prints "a" is stored by its position's name, "q", and
    // shown as the layout labels it.
    void recordingShortcuts() {
        E2ESession::Options options = panelAtStart();
        options.launch = false;
        options.accessibility = true;
        E2ESession session(options);
        QVERIFY2(session.start(), qPrintable(session.errorString));
        QCOMPARE(session.run(u"setxkbmap"_qs, {u"-display"_qs, session.display(), u"fr"_qs}), 0);
        QVERIFY2(session.startApplication(), qPrintable(session.errorString));
        QVERIFY(
            E2ESession::waitUntil([&] { return session.windowShown(u"Quillory Menu"_qs); }, 8000));
        E2ESession::settle(300);
        // The help card names the overlay's keys as this keyboard labels them.
        const QStringList names = session.accessibleNames();
        QVERIFY2(names.contains(u"label|P L Q"_qs) && names.contains(u"label|!"_qs),
                 qPrintable(names.join(u'\n')));

        // Rows in Tab order: the first row's button has the focus; the Pen row's box is five on.
        session.key(u"Tab Tab Tab Tab Tab space"_qs);
        session.key(u"ctrl+alt+a"_qs);
        QVERIFY(session.waitForLog(u"Recorded Ctrl+Alt+A for row 2 - key q"_qs));
        QVERIFY(session.stores(u"ud_LineKey"_qs, u"<string>q</string>"_qs));
        QVERIFY(session.stores(u"ud_LineFlag"_qs, kCtrlAlt));
        // Recording the combination the row had once more keeps it.
        session.key(u"space"_qs);
        E2ESession::settle(300);
        session.key(u"ctrl+alt+a"_qs);
        QTRY_COMPARE_WITH_TIMEOUT(session.log().count(u"Recorded Ctrl+Alt+A for row 2 - key q"_qs),
                                  2, 3000);

        // The Arrow row: the same combination is refused (the Pen row's hotkey, paused while
        // recording, does not take it); Ctrl+Q is no shortcut; Ctrl+Shift+K is taken.
        session.key(u"Tab Tab Tab space"_qs);
        session.key(u"ctrl+alt+a"_qs);
        QVERIFY(session.waitForLog(u"Refused Ctrl+Alt+A for row 3"_qs));
        QVERIFY(!session.log().contains(u"Hotkey Line"_qs));
        E2ESession::settle(300);
        session.key(u"Return"_qs); // the alert's OK
        E2ESession::settle(300);
        QVERIFY(session.windowShown(u"Quillory Menu"_qs)); // the panel stays
        session.key(u"ctrl+q"_qs);
        E2ESession::settle(300);
        QVERIFY(session.applicationRunning());
        QVERIFY(!session.preferencesText().contains(u"ud_ArrowKey"_qs));
        session.key(u"space"_qs); // record again: releasing Ctrl ended the last try
        session.key(u"ctrl+shift+k"_qs);
        QVERIFY(session.waitForLog(u"Recorded Ctrl+Shift+K for row 3 - key k"_qs));
        QVERIFY(session.stores(u"ud_ArrowFlag"_qs, kCtrlShift));
        // Ctrl+S, the overlay's save everywhere in Quillory, is the recorder's while it records.
        session.key(u"space ctrl+s"_qs);
        QVERIFY(session.waitForLog(u"Recorded Ctrl+S for row 3 - key s"_qs));
        QVERIFY(!session.windowShown(u"Choose a Folder for Screenshots"_qs));
        session.key(u"Tab space"_qs); // its clear button
        QTRY_VERIFY_WITH_TIMEOUT(!session.preferencesText().contains(u"ud_ArrowKey"_qs), 3000);

        // The recorded shortcuts work from anywhere once the panel is closed.
        session.key(u"Escape"_qs);
        QVERIFY(
            E2ESession::waitUntil([&] { return !session.windowShown(u"Quillory Menu"_qs); }, 3000));
        // From another program's window, in front with the focus.
        QVERIFY(session.spawn(u"xterm"_qs, {u"-display"_qs, session.display(), u"-T"_qs,
                                            u"other"_qs, u"-geometry"_qs, u"60x10+100+100"_qs}));
        QVERIFY(E2ESession::waitUntil([&] { return session.windowShown(u"^other$"_qs); }, 5000));
        session.run(u"xdotool"_qs, {u"search"_qs, u"--name"_qs, u"^other$"_qs, u"windowfocus"_qs});
        session.key(u"ctrl+alt+a"_qs);
        QVERIFY(session.waitForLog(u"Hotkey Line"_qs));
        session.key(u"ctrl+shift+k"_qs); // cleared: nothing
        E2ESession::settle(300);
        QVERIFY(!session.log().contains(u"Hotkey Arrow"_qs));
    }

    // A screen reader can name every control of the panel and of the preferences window, in
    // English and, under a German, French or Japanese locale, in that language. `--help` speaks
    // it too, to the end of its option lines, within 79 terminal columns.
    void everyControlHasAName_data() {
        // Environment entries split at spaces; the names expected, at semicolons.
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("preferences");
        QTest::addColumn<QString>("help");
        QTest::newRow("English") << QString()
                                 << u"Pen;Set Shortcut;Clear shortcut: Timer;Show Tools on Desktop;"
                                    "Pointer mode;Clear shortcut: Black board;"
                                    "Red;Pink;Color Picker;Quit Quillory;Preferences…"_qs
                                 << u"push button|Screenshot folder: Choose a folder…;"
                                    "check box|Start Quillory at login;"
                                    "check box|Highlight the pointer;"
                                    "check box|Keep drawings when Quillory quits"_qs
                                 << u"Displays help on commandline options."_qs;
        QTest::newRow("German") << u"LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8"_qs
                                << u"Stift;Tastenkürzel festlegen;Tastenkürzel entfernen: Timer;"
                                   "Rot;Einstellungen …"_qs
                                << u"push button|Ordner für Bildschirmfotos: Ordner auswählen …;"
                                   "check box|Mauszeiger hervorheben"_qs
                                << u"Zeigt Hilfe zu den Kommandozeilenoptionen an."_qs;
        QTest::newRow("French") << u"LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8"_qs
                                << u"Stylo;Définir un raccourci;Préférences…"_qs
                                << u"check box|Mettre en évidence le pointeur"_qs
                                << u"Afficher l’aide sur les options de la ligne de commande."_qs;
        QTest::newRow("Japanese") << u"LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8"_qs
                                  << u"ペン;ショートカットを設定;設定…"_qs
                                  << u"check box|ポインターを強調表示"_qs
                                  << u"コマンドラインオプションのヘルプを表示します。"_qs;
    }
    void everyControlHasAName() {
        QFETCH(QString, environment);
        QFETCH(QString, panel);
        QFETCH(QString, preferences);
        QFETCH(QString, help);
        E2ESession::Options options = panelAtStart();
        options.accessibility = true;
        for (const QString &entry : environment.split(u' ', Qt::SkipEmptyParts))
            options.environment.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
        E2ESession session(options);
        QVERIFY2(session.start(), qPrintable(session.errorString));
        QByteArray output;
        QCOMPARE(session.runQuillory({u"--help"_qs}, &output), 0);
        const QString helpText = QString::fromUtf8(output);
        QVERIFY2(helpText.contains(help), qPrintable(helpText));
        for (const QString &line : helpText.split(u'\n')) {
            const auto wide = std::count_if(line.begin(), line.end(),
                                            [](QChar c) { return c.unicode() >= 0x2E80; });
            QVERIFY2(line.size() + wide <= 79, qPrintable(line));
        }
        QVERIFY(
            E2ESession::waitUntil([&] { return session.windowShown(u"Quillory Menu"_qs); }, 8000));
        QStringList names = session.accessibleNames();
        for (const QString &expected : panel.split(u';'))
            QVERIFY2(names.contains(u"push button|"_qs + expected),
                     qPrintable(expected + u"\n"_qs + names.join(u'\n')));

        session.key(u"shift+Tab space"_qs);
        // The preferences window opens: its controls are named once it shows.
        for (const QString &expected : preferences.split(u';'))
            QVERIFY2(
                E2ESession::waitUntil(
                    [&] { return (names = session.accessibleNames()).contains(expected); }, 8000),
                qPrintable(expected + u"\n"_qs + names.join(u'\n')));
    }

    // A colour button sets the colour of the next stroke and closes the panel.
    void colourButton() {
        E2ESession session(panelAtStart());
        QVERIFY2(session.start(), qPrintable(session.errorString));
        QVERIFY(
            E2ESession::waitUntil([&] { return session.windowShown(u"Quillory Menu"_qs); }, 8000));
        E2ESession::settle(300);
        // Backwards from the first row: Preferences, Quit, the colour picker, then pink.
        session.key(u"shift+Tab shift+Tab shift+Tab shift+Tab space"_qs);
        QVERIFY(
            E2ESession::waitUntil([&] { return !session.windowShown(u"Quillory Menu"_qs); }, 3000));
        session.drag(E2ESession::line({200, 600}, {500, 600}, 8));
        QVERIFY(session.waitForColor({350, 600}, QColor(255, 45, 85)));
    }

    // The panel is dark when the desktop prefers dark, and turns light when the user switches.
    void followsTheDesktopsColourScheme() {
        E2ESession::Options options = panelAtStart();
        options.launch = false;
        E2ESession session(options);
        QVERIFY2(session.start(), qPrintable(session.errorString));
        // It answers from a thread of its own: the test's thread sleeps while it waits.
        FakeSettingsPortal portal;
        QThread thread;
        portal.moveToThread(&thread);
        thread.start();
        const auto stop = qScopeGuard([&thread] {
            thread.quit();
            thread.wait();
        });
        const QString path = u"/org/freedesktop/portal/desktop"_qs;
        QDBusConnection bus = QDBusConnection::connectToBus(session.busAddress(), u"portal"_qs);
        QVERIFY(bus.registerObject(path, &portal, QDBusConnection::ExportAllSlots) &&
                bus.registerService(u"org.freedesktop.portal.Desktop"_qs));
        QVERIFY2(session.startApplication(), qPrintable(session.errorString));
        QVERIFY(
            E2ESession::waitUntil([&] { return session.windowShown(u"Quillory Menu"_qs); }, 8000));
        QVERIFY(session.waitForLog(u"Colour scheme: dark"_qs));
        // The panel's margin, beside its first row.
        const QRect panel = session.windowGeometry({u"--name"_qs, u"Quillory Menu"_qs});
        const QPoint margin(panel.left() + 3, panel.top() + panel.height() / 4);
        E2ESession::settle(300);
        QVERIFY(session.screenshot().pixelColor(margin).lightness() < 90);

        portal.scheme = 2;
        QDBusMessage changed = QDBusMessage::createSignal(
            path, u"org.freedesktop.portal.Settings"_qs, u"SettingChanged"_qs);
        changed << u"org.freedesktop.appearance"_qs << u"color-scheme"_qs
                << QVariant::fromValue(QDBusVariant(2u));
        QVERIFY(bus.send(changed));
        QVERIFY(session.waitForLog(u"Colour scheme: light"_qs));
        E2ESession::settle(300);
        QVERIFY(session.screenshot().pixelColor(margin).lightness() > 180);
        QDBusConnection::disconnectFromBus(u"portal"_qs);
    }
};

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
