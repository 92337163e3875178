#include "E2ESession.h"

#include <QRegularExpression>
#include <QTest>

namespace {
bool stored(E2ESession &session, const QString &key, const QString &value) {
    return session.preferencesText().contains(
        QRegularExpression(u"<key>%1</key>\\s*%2"_qs.arg(key, value)));
}
const QString kCtrlAlt =
    u"<array>\\s*<integer>13</integer>\\s*<integer>11</integer>\\s*</array>"_qs;
const QString kCtrlShift =
    u"<array>\\s*<integer>14</integer>\\s*<integer>11</integer>\\s*</array>"_qs;
} // namespace

// Recording shortcuts in the tray panel, with the keyboard alone.
class TestMenu : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void recordingShortcuts() {
        E2ESession::Options options;
        options.firstRun = true; // the panel opens by itself
        options.monitorSize = {1280, 800};
        E2ESession session(options);
        QVERIFY2(session.start(), qPrintable(session.errorString));
        QVERIFY(
            E2ESession::waitUntil([&] { return session.windowShown(u"Quillory Menu"_qs); }, 8000));
        E2ESession::settle(300);

        // Rows in Tab order: the first row's button has the focus; the Pen row's box is five on.
        session.key(u"Tab Tab Tab Tab Tab space"_qs);
        session.key(u"ctrl+alt+k"_qs);
        QVERIFY(session.waitForLog(u"Recorded Ctrl+Alt+K for row 2"_qs));
        QVERIFY(stored(session, u"ud_LineKey"_qs, u"<string>k</string>"_qs));
        QVERIFY(stored(session, u"ud_LineFlag"_qs, kCtrlAlt));

        // The Arrow row: the same combination is refused (the Pen row's hotkey, paused while
        // recording, does not take it); Ctrl+Q is no shortcut; Ctrl+Shift+K is taken.
        session.key(u"Tab Tab Tab space"_qs);
        session.key(u"ctrl+alt+k"_qs);
        QVERIFY(session.waitForLog(u"Refused Ctrl+Alt+K for row 3"_qs));
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
        QVERIFY(session.waitForLog(u"Recorded Ctrl+Shift+K for row 3"_qs));
        QVERIFY(stored(session, u"ud_ArrowFlag"_qs, kCtrlShift));

        // The recorded shortcuts work from anywhere once the panel is closed.
        session.key(u"Escape"_qs);
        QVERIFY(
            E2ESession::waitUntil([&] { return !session.windowShown(u"Quillory Menu"_qs); }, 3000));
        session.key(u"ctrl+alt+k"_qs);
        QVERIFY(session.waitForLog(u"Hotkey Line"_qs));
        session.key(u"ctrl+shift+k"_qs);
        QVERIFY(session.waitForLog(u"Hotkey Arrow"_qs));
    }
};

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
