#include "core/Key.h"
#include "platform/ApplicationIcon.h"
#include "platform/DiagnosticLog.h"
#include "platform/FatalError.h"
#include "platform/FolderBookmark.h"
#include "platform/KeyEvent.h"
#include "platform/Localization.h"
#include "platform/NotificationCenter.h"
#include "platform/Session.h"
#include "platform/dbus/KGlobalAccelHotKeyBackend.h"
#include "platform/dbus/PortalHotKeyBackend.h"
#include "platform/x11/PointerDevices.h"

#include <QDirIterator>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QKeySequence>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

class TestPlatform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void logLineAndFatalError() {
        QProcess child; // this program, as main answers --fatal
        child.start(QCoreApplication::applicationFilePath(), {u"--fatal"_qs});
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.readAllStandardOutput(), "\U0001F535 [tst_platform] flagged 42 true\n"_qba);
        const QByteArray error = child.readAllStandardError();
        QVERIFY2(child.exitStatus() == QProcess::CrashExit &&
                     error.contains("Fatal error: tst_platform.cpp:main:") &&
                     error.endsWith(": outlet\n"),
                 error.constData());
    }

    // The shortcut services' forms of a combination, from the key table; off X11 the portal's
    // key names come from the US layout.
    void shortcutServiceKeyNames() {
        QCOMPARE(PortalHotKeyBackend::trigger(carbonKeyCode(Key::a), CarbonCommand | CarbonShift),
                 u"CTRL+SHIFT+a"_qs);
        QCOMPARE(PortalHotKeyBackend::trigger(carbonKeyCode(Key::keypadPlus),
                                              CarbonControl | CarbonOption),
                 u"ALT+LOGO+KP_Add"_qs);
        QCOMPARE(PortalHotKeyBackend::trigger(carbonKeyCode(Key::f5), 0), u"F5"_qs);
        QCOMPARE(
            KGlobalAccelHotKeyBackend::qtKeyCode(carbonKeyCode(Key::keypadPlus), CarbonControl),
            (Qt::MetaModifier | Qt::KeypadModifier | Qt::Key_Plus).toCombined());
        QVERIFY(!KGlobalAccelHotKeyBackend::qtKeyCode(carbonKeyCode(Key::function), CarbonShift));
    }

    void notificationsReachLiveObservers() {
        NotificationCenter center;
        auto gone = std::make_unique<QObject>();
        QStringList heard;
        center.addObserver(gone.get(), u"n"_qs, [&] { heard << "gone"; });
        center.addObserver(this, u"n"_qs, [&] { heard << "n"; });
        gone.reset(); // held weakly: it just stops hearing
        center.post(u"n"_qs);
        QCOMPARE(heard, QStringList{"n"});
    }

    // GNOME and its relatives tint one-colour tray icons; the others get the coloured pen.
    void symbolicTrayIconWhereTheDesktopWantsIt() {
        QVERIFY(ApplicationIcon::prefersSymbolicIcons(u"ubuntu:GNOME"_qs));
        QVERIFY(ApplicationIcon::prefersSymbolicIcons(u"Budgie:GNOME"_qs));
        QVERIFY(!ApplicationIcon::prefersSymbolicIcons(u"KDE"_qs));
        QVERIFY(!ApplicationIcon::prefersSymbolicIcons(u"X-Cinnamon"_qs));
        QVERIFY(!ApplicationIcon::prefersSymbolicIcons(QString()));
        QVERIFY(!ApplicationIcon::trayIcon().isNull());
    }

    // How Quillory's pixels reach the X server, and in a Wayland session that it runs on
    // XWayland, are its own choices: the user's settings stay, and programs it starts afterwards
    // get the environment as it was.
    void startupVariablesStayWithQuillory() {
        constexpr char name[] = "QT_XCB_NO_MITSHM";
        qunsetenv(name);
        Session::SocketPaints ours;
        QVERIFY(qEnvironmentVariableIsSet(name));
        ours.undo();
        QVERIFY(!qEnvironmentVariableIsSet(name));
        qputenv(name, "0");
        Session::SocketPaints users;
        users.undo();
        QCOMPARE(qgetenv(name), "0");
        qunsetenv(name);

        qputenv("WAYLAND_DISPLAY", "wayland-1");
        for (const auto &before : {std::optional<QByteArray>(), std::optional<QByteArray>("")}) {
            if (before)
                qputenv("QT_QPA_PLATFORM", *before);
            else
                qunsetenv("QT_QPA_PLATFORM");
            Session::StartupVariable platform;
            QVERIFY(Session::choosePlatform(platform).endsWith(u"xcb (XWayland)"_qs));
            QCOMPARE(qgetenv("QT_QPA_PLATFORM"), "xcb");
            platform.undo();
            QCOMPARE(qEnvironmentVariableIsSet("QT_QPA_PLATFORM"), bool(before));
            QCOMPARE(qgetenv("QT_QPA_PLATFORM"), before.value_or(QByteArray()));
        }
        qunsetenv("WAYLAND_DISPLAY");
    }

    // A filesystem without an id (0: NFS, FUSE) gets a new device number at each mount: its
    // folder is the one at the path with the same inode, whatever the device.
    void bookmarkWithoutFilesystemId() {
        QTemporaryDir dir;
        const QJsonObject made =
            QJsonDocument::fromJson(*FolderBookmark::create(dir.path())).object();
        const auto staleAfter = [&made](const char *key, quint64 value) {
            QJsonObject object = made;
            object[u"filesystem"_qs] = u"0"_qs;
            object[QLatin1String(key)] = QString::number(value);
            return FolderBookmark::resolve(QJsonDocument(object).toJson()).stale;
        };
        const quint64 device = made[u"device"_qs].toString().toULongLong();
        const quint64 inode = made[u"inode"_qs].toString().toULongLong();
        QVERIFY(!staleAfter("device", device + 1) && staleAfter("inode", inode + 1));
    }

    // An auto-repeated Super+Alt+C on the keypad: Super is Control, Alt is Option.
    void keyEventFromQt() {
        const KeyEvent key = KeyEvent::fromQt(QKeyEvent(
            QEvent::KeyPress, Qt::Key_C, Qt::MetaModifier | Qt::AltModifier | Qt::KeypadModifier,
            54, 0, 0, QString(), true));
        QVERIFY(key.keyCode == 8u && key.isARepeat &&
                key.modifierFlags == (ModifierControl | ModifierOption));
    }

    // A master pointer's events from a mouse, a stylus (pressure on valuator 2, 100 to 1100)
    // and an eraser; the physical devices' own copies and other buttons make no sample.
    void pointerSamplesOfMouseAndTablet() {
        enum : uint16_t { mouse = 6, pen = 9, eraser = 10 };
        PointerDevices devices;
        devices.insert(2, {.master = true});
        devices.insert(mouse, {});
        devices.insert(pen, {.pressureAxis = 2, .pressureMin = 100, .pressureMax = 1100});
        devices.insert(eraser, {.eraser = true});
        // An event at (10, 20.5), the first button held, laid out as xcb hands it over: the
        // event, a word of buttons, a word of valuators set, and their values.
        const auto sample = [&](uint16_t type, uint16_t source, uint32_t valuators,
                                std::initializer_list<double> values, uint16_t device = 2,
                                uint32_t button = 1) {
            xcb_input_button_press_event_t event{};
            event.event_type = type, event.deviceid = device, event.sourceid = source;
            event.detail = button, event.event_x = 10 << 16, event.event_y = (20 << 16) + 0x8000;
            event.buttons_len = event.valuators_len = 1;
            QList<uint32_t> words{1u << 1, valuators};
            for (const double value : values)
                words << uint32_t(int32_t(value)) << uint32_t(std::fmod(value, 1) * 4294967296.0);
            const QByteArray bytes =
                QByteArray(reinterpret_cast<const char *>(&event), sizeof event) +
                QByteArray(reinterpret_cast<const char *>(words.constData()), words.size() * 4);
            return devices.sample(
                reinterpret_cast<const xcb_input_button_press_event_t *>(bytes.data()));
        };
        const auto press = sample(XCB_INPUT_BUTTON_PRESS, mouse, 0b11, {10, 20.5});
        QVERIFY(press && press->kind == PointerStream::Kind::Press && press->leftButton &&
                !press->pressure && !press->eraser);
        QCOMPARE(press->position, QPointF(10, 20.5));
        QVERIFY(!sample(XCB_INPUT_BUTTON_PRESS, mouse, 0, {}, 2, 3));
        QVERIFY(!sample(XCB_INPUT_MOTION, mouse, 0, {}, mouse));
        // Valuators 0, 2 and 3 set (x, pressure, tilt): the pressure is the second value. A move
        // whose pressure stayed leaves it out.
        QCOMPARE(sample(XCB_INPUT_MOTION, pen, 0b1101, {10, 850.5, 40})->pressure, 0.7505);
        QCOMPARE(sample(XCB_INPUT_MOTION, pen, 0b1001, {10, 40})->pressure, 0.7505);
        const auto erasing = sample(XCB_INPUT_MOTION, eraser, 0, {});
        QVERIFY(erasing && erasing->kind == PointerStream::Kind::Move && erasing->leftButton &&
                erasing->eraser && !erasing->pressure);
        // A raw event (what a grab leaves the stream) tells the same of the tip: the pressure
        // from the transformed values, which come before the raw ones.
        const auto tip = [&](uint16_t source, std::initializer_list<double> values) {
            xcb_input_raw_button_press_event_t event{};
            event.event_type = XCB_INPUT_RAW_MOTION, event.deviceid = 2, event.sourceid = source;
            event.valuators_len = 1;
            QList<uint32_t> words{0b101};
            for (int twice = 0; twice < 2; ++twice)
                for (const double value : values)
                    words << uint32_t(int32_t(value)) << 0u;
            const QByteArray bytes =
                QByteArray(reinterpret_cast<const char *>(&event), sizeof event) +
                QByteArray(reinterpret_cast<const char *>(words.constData()), words.size() * 4);
            return devices.tip(
                reinterpret_cast<const xcb_input_raw_button_press_event_t *>(bytes.data()));
        };
        QCOMPARE(tip(pen, {10, 350}).pressure, 0.25);
        QVERIFY(!tip(mouse, {10, 350}).pressure && tip(eraser, {}).eraser);
    }

    // Every id the code asks for has a finished text in every string table, with the
    // placeholders of the English one, and each table, as built into the program, has them.
    void everyTextIdIsTranslated() {
        QString sources;
        QDirIterator files(QUILLORY_SOURCE_DIR u"/src"_qs, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            sources += file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "";
        }
        const QRegularExpression call(u"(?:qtTrId|QT_TRID_NOOP)\\(\"([^\"]+)\"\\)"_qs);
        QVERIFY(sources.count(call) >= 8);
        const QDir folder(QUILLORY_SOURCE_DIR u"/resources/translations"_qs);
        const QStringList tables = folder.entryList({u"Copy_*.ts"_qs});
        QVERIFY(tables.contains(u"Copy_en.ts"_qs) && tables.contains(u"Copy_de.ts"_qs));
        const QRegularExpression finished(u"<message id=\"([^\"]+)\">\\s*<source>[^<]*</source>"
                                          "\\s*<translation>([^<]+)</translation>"_qs);
        const auto finishedTexts = [&](const QString &table) {
            QFile file(folder.filePath(table));
            QMap<QString, QString> texts;
            for (const auto &match : finished.globalMatch(
                     file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "")) {
                QString text = match.captured(2);
                // lupdate writes some spaces as references: "&#xa0;" before a French colon.
                for (const auto &space : QRegularExpression(u"&#x(\\w+);"_qs).globalMatch(text))
                    text.replace(space.captured(), QChar(space.captured(1).toUShort(nullptr, 16)));
                texts[match.captured(1)] =
                    text.replace(u"&quot;"_qs, u"\""_qs).replace(u"&apos;"_qs, u"'"_qs);
            }
            return texts;
        };
        const auto placeholders = [](const QString &text) {
            QStringList found;
            for (const auto &match : QRegularExpression(u"%\\d"_qs).globalMatch(text))
                found << match.captured();
            found.sort();
            return found;
        };
        const QMap<QString, QString> english = finishedTexts(u"Copy_en.ts"_qs);
        for (const QString &table : tables) {
            const QMap<QString, QString> texts = finishedTexts(table);
            QVERIFY(Localization::install({table.mid(5).chopped(3)}));
            for (const auto &match : call.globalMatch(sources)) {
                const QString id = match.captured(1);
                QVERIFY2(!texts.value(id).isEmpty() &&
                             placeholders(texts[id]) == placeholders(english.value(id)),
                         qPrintable(table + u": "_qs + id));
                QVERIFY2(qtTrId(qPrintable(id)) == texts[id], qPrintable(id + u" not built"_qs));
            }
        }
        QVERIFY(Localization::install({}));
    }

    // The table of the first language asked for that has one, however its locale is named;
    // Portuguese and simplified Chinese find their one regional table, and a language without
    // a table gets English.
    void tableOfTheMessagesLocale_data() {
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("keys");
        const QString german = u"Bildschirmfoto in ~/Bilder gespeichert"_qs;
        const QString english = u"Screenshot saved to ~/Bilder"_qs;
        const QString brazilian = u"Captura de tela salva em ~/Bilder"_qs;
        const QString chinese = u"截图已保存到 ~/Bilder"_qs;
        const QString ctrlShift = u"Ctrl+Shift+A"_qs;
        QTest::newRow("LANG") << u"LANG=de_DE.UTF-8"_qs << german << u"Strg+Umschalt+A"_qs;
        QTest::newRow("LC_ALL first")
            << u"LANG=de_DE.UTF-8 LC_ALL=en_US"_qs << english << ctrlShift;
        QTest::newRow("LC_MESSAGES")
            << u"LANG=fr_FR LC_MESSAGES=de_AT.UTF-8"_qs << german << u"Strg+Umschalt+A"_qs;
        QTest::newRow("LANGUAGE") << u"LANG=en_GB.UTF-8 LANGUAGE=sv:fr"_qs
                                  << u"Capture d’écran enregistrée dans ~/Bilder"_qs
                                  << u"Ctrl+Maj+A"_qs;
        QTest::newRow("C ignores LANGUAGE")
            << u"LC_ALL=C.UTF-8 LANGUAGE=de"_qs << english << ctrlShift;
        QTest::newRow("Swedish") << u"LC_ALL=sv_SE.UTF-8"_qs << english << ctrlShift;
        QTest::newRow("pt_BR") << u"LANG=pt_BR.UTF-8"_qs << brazilian << ctrlShift;
        QTest::newRow("pt_PT") << u"LANG=pt_PT.UTF-8"_qs << brazilian << ctrlShift;
        QTest::newRow("zh_CN") << u"LANG=zh_CN.UTF-8"_qs << chinese << ctrlShift;
        QTest::newRow("zh") << u"LANGUAGE=zh LANG=en_US.UTF-8"_qs << chinese << ctrlShift;
        QTest::newRow("zh_TW") << u"LANG=zh_TW.UTF-8"_qs << english << ctrlShift;
    }
    void tableOfTheMessagesLocale() {
        QFETCH(QString, environment);
        QFETCH(QString, saved);
        QFETCH(QString, keys);
        QProcessEnvironment variables;
        for (const QString &entry : environment.split(u' ', Qt::SkipEmptyParts))
            variables.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
        QVERIFY(Localization::install(Localization::languages(variables)));
        QCOMPARE(qtTrId("screenshot.notification.success").arg(u"~/Bilder"_qs), saved);
        // Qt's own texts follow: key names in the panel, dialog buttons.
        QCOMPARE(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A).toString(QKeySequence::NativeText),
                 keys);
    }
};

int main(int argc, char *argv[]) {
    if (argc > 1 && qstrcmp(argv[1], "--fatal") == 0) {
        QLOG_FLAG("flagged", 42, true);
        QUILLORY_FATAL(QStringLiteral("outlet"));
    }
    QCoreApplication app(argc, argv);
    TestPlatform test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_platform.moc"
