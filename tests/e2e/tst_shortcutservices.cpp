#include "E2ESession.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QRegularExpression>
#include <QTest>

namespace {
const QString kCtrlShift = u"<array><integer>14</integer><integer>11</integer></array>"_qs;
const QString kCtrlAlt = u"<array><integer>13</integer><integer>11</integer></array>"_qs;

// A Wayland session as Quillory sees it on XWayland: the Xvfb stands in for XWayland. Show
// Quillory is Ctrl+Shift+D, Arrow Ctrl+Alt+W and Timer Ctrl+Shift+T.
E2ESession::Options waylandSession() {
    E2ESession::Options options;
    options.monitorSize = QSize(1600, 1000);
    options.launch = false;
    options.environment.insert(u"WAYLAND_DISPLAY"_qs, u"wayland-none"_qs);
    options.preferences =
        u"<key>ud_AppActivateKey</key><string>d</string>"
        u"<key>ud_AppActivateFlag</key>%1"
        u"<key>ud_ArrowKey</key><string>w</string><key>ud_ArrowFlag</key>%2"
        u"<key>ud_TimerKey</key><string>t</string><key>ud_TimerFlag</key>%1"_qs.arg(kCtrlShift,
                                                                                    kCtrlAlt);
    return options;
}

QDBusMessage call(const E2ESession &session, const QString &service, const QString &path,
                  const QString &interface, const QString &method,
                  const QVariantList &arguments = {}) {
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    return QDBusConnection::connectToBus(session.busAddress(), session.busAddress()).call(message);
}

bool waitForService(const E2ESession &session, const QString &name) {
    const QDBusConnection bus =
        QDBusConnection::connectToBus(session.busAddress(), session.busAddress());
    return E2ESession::waitUntil([&] { return bus.interface()->isServiceRegistered(name).value(); },
                                 10000);
}

// Escape hides the empty overlay; the shortcut `press` of Show Quillory brings it back, and the
// one of Arrow picks the arrow, whose barb shows at the end of a stroke.
void showAndPickArrow(E2ESession &session, const std::function<void(const QString &)> &press) {
    session.key(u"Escape"_qs);
    QVERIFY(session.waitForOverlay(false));
    press(u"activate"_qs);
    QVERIFY(session.waitForOverlay(true));
    press(u"arrow"_qs);
    session.drag(E2ESession::line({300, 300}, {600, 300}, 12));
    QVERIFY(session.waitForColor({592, 304}, E2ESession::systemRed));
}
} // namespace

// Global shortcuts in a Wayland session, through the desktop's shortcut service.
class TestShortcutServices : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // KDE's own daemon grabs the stored combinations on the X server and signals the presses;
    // it lists the actions by name, and refuses a combination another action holds.
    void kdeGlobalShortcutService() {
        E2ESession session(waylandSession());
        QVERIFY2(session.start(), qPrintable(session.errorString));
        QVERIFY(session.spawn(u"env"_qs, {u"QT_QPA_PLATFORM=xcb"_qs,
                                          u"XDG_CONFIG_HOME="_qs + session.home() + u"/.config"_qs,
                                          u"kglobalaccel5"_qs}));
        QVERIFY(waitForService(session, u"org.kde.kglobalaccel"_qs));
        const auto kglobalaccel = [&](const QString &method, const QVariantList &arguments) {
            return call(session, u"org.kde.kglobalaccel"_qs, u"/kglobalaccel"_qs,
                        u"org.kde.KGlobalAccel"_qs, method, arguments);
        };
        const QStringList other{u"other"_qs, u"timer"_qs, u"Other"_qs, u"Timer"_qs};
        kglobalaccel(u"doRegister"_qs, {other});
        const QList<int> ctrlShiftT{(Qt::CTRL | Qt::SHIFT | Qt::Key_T).toCombined()};
        kglobalaccel(u"setShortcut"_qs, {other, QVariant::fromValue(ctrlShiftT), 6u});

        QVERIFY2(session.startApplication(), qPrintable(session.errorString));
        QVERIFY(session.log().contains(u"Global shortcuts: KDE global shortcut service"_qs));
        QVERIFY(session.waitForLog(u"Could not register the hotkey Ctrl+Shift+T"_qs));
        const QDBusReply<QStringList> names =
            call(session, u"org.kde.kglobalaccel"_qs, u"/component/org_quillory_Quillory"_qs,
                 u"org.kde.kglobalaccel.Component"_qs, u"shortcutNames"_qs);
        QVERIFY2(names.value().contains(u"activate"_qs) && names.value().contains(u"arrow"_qs),
                 qPrintable(names.value().join(u' ')));
        const QHash<QString, QString> keys{{u"activate"_qs, u"ctrl+shift+d"_qs},
                                           {u"arrow"_qs, u"ctrl+alt+w"_qs}};
        showAndPickArrow(session, [&](const QString &action) { session.key(keys[action]); });
    }

    // The portal gets every row with its combination as the preferred trigger; its
    // activations reach the actions, and a shortcut it does not bind shows as not active.
    void globalShortcutsPortal() {
        E2ESession::Options options = waylandSession();
        options.firstRun = true; // the panel opens, for its rows
        options.accessibility = true;
        E2ESession session(options);
        QVERIFY2(session.start(), qPrintable(session.errorString));
        QVERIFY(
            session.spawn(QStringLiteral(QUILLORY_SOURCE_DIR "/tests/e2e/fake-shortcuts-portal.py"),
                          {u"timer"_qs})); // it leaves the timer's shortcut unbound
        QVERIFY(waitForService(session, u"org.freedesktop.portal.Desktop"_qs));
        QVERIFY2(session.startApplication(), qPrintable(session.errorString));
        QVERIFY(session.log().contains(u"Global shortcuts: GlobalShortcuts portal"_qs));

        const auto control = [&](const QString &method, const QVariantList &arguments = {}) {
            return call(session, u"org.freedesktop.portal.Desktop"_qs,
                        u"/org/freedesktop/portal/desktop"_qs, u"org.quillory.FakePortal"_qs,
                        method, arguments);
        };
        QVERIFY(session.waitForLog(u"Could not register the hotkey Ctrl+Shift+T"_qs));
        // No Response is listened for once it came, also where the portal chose the path.
        const auto requestRules = [&] {
            QStringList rules;
            for (const QStringList &ones : qdbus_cast<QMap<QString, QStringList>>(
                     call(session, u"org.freedesktop.DBus"_qs, u"/org/freedesktop/DBus"_qs,
                          u"org.freedesktop.DBus.Debug.Stats"_qs, u"GetAllMatchRules"_qs)
                         .arguments()
                         .value(0)))
                rules += ones.filter(u"/request/"_qs);
            return rules.join(u' ');
        };
        QTRY_VERIFY2_WITH_TIMEOUT(requestRules().isEmpty(), qPrintable(requestRules()), 3000);
        const QDBusReply<QVariantMap> triggers = control(u"Triggers"_qs);
        QCOMPARE(triggers.value(), (QVariantMap{{u"activate"_qs, u"CTRL+SHIFT+d"_qs},
                                                {u"arrow"_qs, u"CTRL+ALT+w"_qs},
                                                {u"timer"_qs, u"CTRL+SHIFT+t"_qs},
                                                {u"toggle-pointer"_qs, u"CTRL+ALT+SHIFT+m"_qs}}));
        QVERIFY(session.log().contains(
            u"Ctrl+Shift+T (\u21E7\u2318T): the desktop did not bind it"_qs));

        // The panel's Timer row says so, and offers the command to bind instead.
        QVERIFY(
            E2ESession::waitUntil([&] { return session.windowShown(u"Quillory Menu"_qs); }, 8000));
        const QString names = session.accessibleNames(true).join(u'\n');
        QVERIFY2(
            names.contains(u"push button|Ctrl+Alt+W|Arrow|\n"_qs) &&
                names.contains(QRegularExpression(
                    u"push button\\|Ctrl\\+Shift\\+T\\|Timer. Not active[^|]*quillory --action timer\\|"_qs)),
            qPrintable(names));
        session.key(u"Escape"_qs); // closes the panel

        showAndPickArrow(session, [&](const QString &action) {
            QCOMPARE(control(u"Press"_qs, {action}).type(), QDBusMessage::ReplyMessage);
        });
    }
};

QTEST_GUILESS_MAIN(TestShortcutServices)
#include "tst_shortcutservices.moc"
