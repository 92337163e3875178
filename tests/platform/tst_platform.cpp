#include "platform/DiagnosticLog.h"
#include "platform/FatalError.h"
#include "platform/KeyCodeTranslation.h"
#include "platform/KeyEvent.h"
#include "platform/Localization.h"
#include "platform/ModifierFlags.h"
#include "platform/NotificationCenter.h"

#include <QApplication>
#include <QDirIterator>
#include <QKeyEvent>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <set>

class TestPlatform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void logLineFormat() {
        QStringList lines;
        DiagnosticLog::setSink([&](const QString &line) { lines << line; });
        QLOG("Started Timer");
        QLOG_FLAG("flagged", 42, true);
        QLOG_ERROR("Bookmark is stale!");
        DiagnosticLog::setSink({});
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("\u26AA\uFE0F [tst_platform] Started Timer"));
        QCOMPARE(lines[1], QString::fromUcs4(U"\U0001F535 [tst_platform] flagged 42 true"));
        QCOMPARE(lines[2], QString::fromUcs4(U"\U0001F534 [tst_platform] Bookmark is stale!"));
        QCOMPARE(DiagnosticLog::sourceName("/a/b/src/drawing/DrawingViewModel.cpp"),
                 QStringLiteral("DrawingViewModel"));
        QCOMPARE(DiagnosticLog::format(DiagnosticLog::Marker::Ordinary, "x/Empty.h", {}),
                 QStringLiteral("\u26AA\uFE0F [Empty]"));
    }

    void logLinesGoToStandardOutput() {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--log")});
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()),
                 QStringLiteral("\u26AA\uFE0F [tst_platform] hello 1\n"));
    }

    void fatalErrorStopsTheProcess() {
        QCOMPARE(fatalErrorMessage("/src/drawing/Renderable.cpp", "actionName", 12, {}),
                 QStringLiteral("Fatal error: Renderable.cpp:actionName:12"));
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--fatal")});
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        const QString error = QString::fromUtf8(child.readAllStandardError());
        QVERIFY2(error.contains(QStringLiteral("Fatal error: tst_platform.cpp:main:")),
                 qPrintable(error));
        QVERIFY(error.contains(QStringLiteral("missing outlet")));
    }

    void notificationCenterHoldsObserversWeakly() {
        NotificationCenter center;
        auto observer = std::make_unique<QObject>();
        QObject sender, other;
        QStringList heard;
        center.addObserver(observer.get(), QStringLiteral("UpdateToolsOnScreen"),
                           [&](const NotificationCenter::Notification &n) { heard << n.name; });
        center.addObserver(
            observer.get(), QStringLiteral("fromSender"),
            [&](const NotificationCenter::Notification &n) {
                heard << n.name + n.userInfo.value(QStringLiteral("k")).toString();
            },
            &sender);
        center.post(QStringLiteral("UpdateToolsOnScreen"));
        center.post(QStringLiteral("somethingElse"));
        center.post(QStringLiteral("fromSender"), &other);
        center.post(QStringLiteral("fromSender"), &sender, {{QStringLiteral("k"), 1}});
        QCOMPARE(heard, (QStringList{QStringLiteral("UpdateToolsOnScreen"),
                                     QStringLiteral("fromSender1")}));
        observer.reset();
        center.post(QStringLiteral("UpdateToolsOnScreen"));
        QCOMPARE(heard.size(), 2);
    }

    void notificationObserverMayRemoveItselfWhilePosting() {
        NotificationCenter center;
        QObject a, b;
        int calls = 0;
        center.addObserver(&a, QStringLiteral("n"), [&](const auto &) {
            ++calls;
            center.removeObserver(&a);
            center.addObserver(&b, QStringLiteral("n"), [&](const auto &) { ++calls; });
        });
        center.post(QStringLiteral("n"));
        QCOMPARE(calls, 1);
        center.post(QStringLiteral("n"));
        QCOMPARE(calls, 2);
    }

    void keyCodesRoundTrip() {
        std::set<quint32> virtualCodes;
        for (quint32 x11 = 0; x11 < 1024; ++x11) {
            const auto code = KeyCodeTranslation::virtualKeyCode(x11);
            if (!code)
                continue;
            QVERIFY2(virtualCodes.insert(*code).second, "two positions give one code");
            QCOMPARE(KeyCodeTranslation::x11Keycode(*code), std::optional<quint32>(x11));
        }
        // Every key of the reference keyboard that a PC keyboard has.
        QCOMPARE(virtualCodes.size(), std::size_t(113));
        QCOMPARE(KeyCodeTranslation::virtualKeyCode(0), std::nullopt);
        QCOMPARE(KeyCodeTranslation::x11Keycode(10), std::nullopt); // ISO section key
    }

    void keyCodesArePhysicalPositions() {
        // X11 keycode (evdev + 8) -> virtual key code, as measured with xdotool on US layout.
        const std::pair<quint32, quint32> known[] = {
            {10, 18}, {18, 25}, {19, 29},  {33, 35},  {38, 0},    {46, 37},  {27, 15},
            {54, 8},  {61, 44}, {9, 53},   {65, 49},  {36, 36},   {37, 55},  {133, 59},
            {64, 58}, {50, 56}, {67, 122}, {96, 111}, {111, 126}, {119, 117}};
        for (const auto &[x11, virtualCode] : known)
            QCOMPARE(KeyCodeTranslation::virtualKeyCode(x11), std::optional<quint32>(virtualCode));
    }

    void keyEventFromQt() {
        // Shift+1 arrives as Key_Exclam with the scan code of the "1" key.
        QKeyEvent shiftOne(QEvent::KeyPress, Qt::Key_Exclam, Qt::ShiftModifier, 10, 0, 0,
                           QStringLiteral("!"));
        const KeyEvent one = KeyEvent::fromQt(shiftOne);
        QCOMPARE(one.keyCode, std::optional<quint32>(18));
        QCOMPARE(one.modifierFlags, ModifierFlags(ModifierShift));
        QVERIFY(!one.isARepeat);

        QKeyEvent ctrlShiftC(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier,
                             54, 0, 0, QStringLiteral("\x03"), true);
        const KeyEvent copy = KeyEvent::fromQt(ctrlShiftC);
        QCOMPARE(copy.charactersIgnoringModifiers, QStringLiteral("C")); // Shift still counts
        QCOMPARE(copy.modifierFlags, ModifierFlags(ModifierCommand | ModifierShift));
        QVERIFY(copy.isARepeat);
        QCOMPARE(copy.keyCode, std::optional<quint32>(8));

        QCOMPARE(modifierFlagsFromQt(Qt::MetaModifier | Qt::AltModifier | Qt::KeypadModifier),
                 ModifierFlags(ModifierControl | ModifierOption));
        QCOMPARE(qtModifiersFromFlags(ModifierCommand | ModifierControl),
                 Qt::ControlModifier | Qt::MetaModifier);
    }

    void everyTextIdHasAnEnglishText() {
        QVERIFY(Localization::install());
        const QRegularExpression call(QStringLiteral("(?:qtTrId|QT_TRID_NOOP)\\(\"([^\"]+)\"\\)"));
        std::set<QString> ids;
        QDirIterator files(QStringLiteral(QUILLORY_SOURCE_DIR "/src"),
                           {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            for (const auto &match : call.globalMatch(text))
                ids.insert(match.captured(1));
        }
        QVERIFY(ids.size() >= 8);
        for (const QString &id : ids) {
            const QString text = qtTrId(id.toUtf8().constData());
            QVERIFY2(!text.isEmpty() && text != id, qPrintable(id));
        }
        QCOMPARE(qtTrId("drawing.undo.drawAction").count(QLatin1Char('%')), 2);
        QCOMPARE(qtTrId("drawing.undo.clearAction").count(QLatin1Char('%')), 1);
    }
};

int main(int argc, char *argv[]) {
    if (argc > 1 && qstrcmp(argv[1], "--fatal") == 0)
        QUILLORY_FATAL(QStringLiteral("missing outlet"));
    if (argc > 1 && qstrcmp(argv[1], "--log") == 0) {
        QLOG("hello", 1);
        return 0;
    }
    QApplication app(argc, argv);
    TestPlatform test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_platform.moc"
