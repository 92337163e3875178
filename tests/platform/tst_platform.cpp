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

namespace {
// This test program run again with one argument, as main() below answers it.
std::unique_ptr<QProcess> runSelf(const QString &argument) {
    auto child = std::make_unique<QProcess>();
    child->start(QCoreApplication::applicationFilePath(), {argument});
    child->waitForFinished(10000);
    return child;
}
} // namespace

class TestPlatform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void logLinesGoToStandardOutput() {
        const auto log = runSelf(QStringLiteral("--log"));
        QCOMPARE(log->exitCode(), 0);
        QCOMPARE(QString::fromUtf8(log->readAllStandardOutput()),
                 QString::fromUcs4(U"\u26AA\uFE0F [tst_platform] hello 1\n"
                                   U"\U0001F535 [tst_platform] flagged 42 true\n"
                                   U"\U0001F534 [tst_platform] Bookmark is stale!\n"));
        QCOMPARE(DiagnosticLog::format(DiagnosticLog::Marker::Ordinary, "x/Empty.h", {}),
                 QStringLiteral("\u26AA\uFE0F [Empty]"));
    }

    void fatalErrorStopsTheProcess() {
        const auto child = runSelf(QStringLiteral("--fatal"));
        QCOMPARE(child->exitStatus(), QProcess::CrashExit);
        const QString error = QString::fromUtf8(child->readAllStandardError());
        QVERIFY2(error.contains(QStringLiteral("Fatal error: tst_platform.cpp:main:")) &&
                     error.contains(QStringLiteral("missing outlet")),
                 qPrintable(error));
    }

    void notificationCenter() {
        NotificationCenter center;
        QObject self, late, sender, stranger;
        auto weak = std::make_unique<QObject>();
        QStringList heard;
        center.addObserver(&self, QStringLiteral("any"), [&](const auto &n) {
            heard << n.name;
            // Removing itself and adding another while posting: the new one hears the next post.
            center.removeObserver(&self);
            center.addObserver(&late, QStringLiteral("any"),
                               [&](const auto &) { heard << "late"; });
        });
        center.addObserver(
            weak.get(), QStringLiteral("fromSender"),
            [&](const auto &n) {
                heard << n.name + n.userInfo.value(QStringLiteral("k")).toString();
            },
            &sender);
        center.post(QStringLiteral("any"));
        center.post(QStringLiteral("any"));
        center.post(QStringLiteral("fromSender"), &stranger);
        center.post(QStringLiteral("fromSender"), &sender, {{QStringLiteral("k"), 1}});
        weak.reset(); // held weakly: it just stops hearing
        center.post(QStringLiteral("fromSender"), &sender);
        QCOMPARE(heard, (QStringList{"any", "late", "fromSender1"}));
    }

    void keyCodesArePhysicalPositions() {
        // X11 keycode (evdev + 8) <-> virtual key code, as measured with xdotool on US layout.
        const std::pair<quint32, quint32> known[] = {
            {10, 18}, {18, 25}, {19, 29},  {33, 35},  {38, 0},    {46, 37},  {27, 15},
            {54, 8},  {61, 44}, {9, 53},   {65, 49},  {36, 36},   {37, 55},  {133, 59},
            {64, 58}, {50, 56}, {67, 122}, {96, 111}, {111, 126}, {119, 117}};
        for (const auto &[x11, virtualCode] : known) {
            QCOMPARE(KeyCodeTranslation::virtualKeyCode(x11), std::optional<quint32>(virtualCode));
            QCOMPARE(KeyCodeTranslation::x11Keycode(virtualCode), std::optional<quint32>(x11));
        }
        QCOMPARE(KeyCodeTranslation::virtualKeyCode(0), std::nullopt);
        QCOMPARE(KeyCodeTranslation::virtualKeyCode(0xFFFFFFFF), std::nullopt);
        QCOMPARE(KeyCodeTranslation::x11Keycode(10), std::nullopt); // ISO section key
    }

    void keyEventFromQt() {
        // Shift+1 arrives as Key_Exclam with the scan code of the "1" key.
        QKeyEvent shiftOne(QEvent::KeyPress, Qt::Key_Exclam, Qt::ShiftModifier, 10, 0, 0,
                           QStringLiteral("!"));
        QCOMPARE(KeyEvent::fromQt(shiftOne).keyCode, std::optional<quint32>(18));

        QKeyEvent ctrlShiftC(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier,
                             54, 0, 0, QStringLiteral("\x03"), true);
        const KeyEvent copy = KeyEvent::fromQt(ctrlShiftC);
        QCOMPARE(copy.charactersIgnoringModifiers, QStringLiteral("C")); // Shift still counts
        QCOMPARE(copy.modifierFlags, ModifierFlags(ModifierCommand | ModifierShift));
        QVERIFY(copy.isARepeat);
        QCOMPARE(copy.keyCode, std::optional<quint32>(8));

        QCOMPARE(modifierFlagsFromQt(Qt::MetaModifier | Qt::AltModifier | Qt::KeypadModifier),
                 ModifierFlags(ModifierControl | ModifierOption));
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
            for (const auto &match : call.globalMatch(QString::fromUtf8(file.readAll())))
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
        QLOG_FLAG("flagged", 42, true);
        QLOG_ERROR("Bookmark is stale!");
        return 0;
    }
    QApplication app(argc, argv);
    TestPlatform test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_platform.moc"
