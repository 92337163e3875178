#include "E2ESession.h"
#include "FakeDesktop.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QRandomGenerator>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <csignal>

namespace {
const QColor kRed = E2ESession::systemRed;

#define START(session, desktop)                                                                    \
    QVERIFY2((session).start(), qPrintable((session).errorString));                                \
    FakeDesktop desktop((session).busAddress());                                                   \
    QVERIFY(desktop.isReady());                                                                    \
    QVERIFY2((session).startApplication(), qPrintable((session).errorString))

E2ESession::Options options(const QString &preferences = {}) {
    E2ESession::Options result;
    result.launch = false;
    result.preferences = preferences;
    return result;
}

QString statePath(E2ESession &session, const QString &name) {
    return session.home() + u"/.local/state/quillory/"_qs + name;
}

// A short horizontal stroke at row `y`, from x to x + 200.
QList<QPoint> stroke(int x, int y) {
    return E2ESession::line({x, y}, {x + 200, y}, 8);
}

void kill(E2ESession &session) {
    ::kill(pid_t(session.applicationPid()), SIGKILL);
    QTRY_VERIFY_WITH_TIMEOUT(!session.applicationRunning(), 5000);
    session.mouseUp(); // a button held at the kill stays down in the X server
}

QString state(E2ESession &session) {
    QByteArray output;
    session.runQuillory({u"--action"_qs, u"state"_qs}, &output);
    return QString::fromUtf8(output);
}
} // namespace

// The drawings survive a crash and, when the presenter asks, a quit; they go out as SVG, PDF,
// PNG and Quillory's own file, and such a file opens again.
class TestKeeping : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // SIGKILL at random moments while strokes are drawn: each stroke finished a second before
    // comes back after a restart, on its screen and on its board's page, and a notification
    // says so once.
    void aKilledQuilloryLosesNoFinishedStroke() {
        E2ESession session(options());
        START(session, desktop);
        session.drag(stroke(100, 100));
        session.key(u"b"_qs); // the black board: a first page, then a second
        session.drag(stroke(100, 200));
        session.key(u"Next"_qs);
        QVERIFY(state(session).contains(uR"("page":2,"pages":2)"_qs));
        session.drag(stroke(100, 300));
        E2ESession::settle(1200);
        kill(session);
        QVERIFY(QFile::exists(statePath(session, u"journal.quillory"_qs)));
        QVERIFY2(session.startApplication(), qPrintable(session.errorString));
        QVERIFY(session.waitForColor({200, 100}, kRed));
        QTRY_COMPARE_WITH_TIMEOUT(desktop.notifications.shown().size(), 1, 5000);
        QCOMPARE(desktop.notifications.shown().constFirst().summary, u"Drawings brought back"_qs);
        session.key(u"b"_qs);
        QVERIFY(session.waitForColor({200, 300}, kRed)); // the page shown last
        QVERIFY(E2ESession::near(session.screenshot().pixelColor(200, 200), Qt::black));
        session.key(u"Prior"_qs);
        QVERIFY(session.waitForColor({200, 200}, kRed));
        session.key(u"Escape"_qs); // the page's shapes, then back to the screen
        session.key(u"Escape"_qs);
        QVERIFY(session.waitForColor({200, 100}, kRed));

        // Strokes one after another, killed now in the middle of one, now between two.
        QRandomGenerator random(QRandomGenerator::global()->generate());
        QList<QPoint> finished; // a point of each stroke finished a second before a kill
        for (int round = 0; round < 2; ++round) {
            QList<std::pair<QPoint, qint64>> drawn;
            QElapsedTimer clock;
            clock.start();
            int y = 400 + round * 180;
            for (int i = 3 + random.bounded(4); i > 0; --i, y += 25) {
                session.drag(stroke(300 + round * 300, y));
                drawn.append({QPoint(400 + round * 300, y), clock.elapsed()});
                E2ESession::settle(random.bounded(700));
            }
            session.moveTo({800, y});
            session.mouseDown();
            session.moveTo({900, y}); // cut short by the kill
            const qint64 end = clock.elapsed();
            kill(session);
            for (const std::pair<QPoint, qint64> &each : drawn) {
                if (end - each.second >= 1000)
                    finished.append(each.first);
            }
            QVERIFY2(session.startApplication(), qPrintable(session.errorString));
            E2ESession::settle(500);
            const QImage shown = session.screenshot();
            for (const QPoint at : finished)
                QVERIFY2(E2ESession::near(shown.pixelColor(at), kRed),
                         qPrintable(u"stroke at %1,%2"_qs.arg(at.x()).arg(at.y())));
            QVERIFY(E2ESession::near(shown.pixelColor(200, 100), kRed));
        }
    }

    // The presenter's quit (the panel's Quit, then the remote's) removes the journal by
    // default; with "Keep drawings" it stays for the next start, which shows it without a
    // notification. A damaged journal is set aside; the display's end keeps the journal.
    void aCleanQuitKeepsOnlyWhatIsAskedFor() {
        for (const bool keep : {false, true}) {
            E2ESession session(options(keep ? u"<key>pz.keepDrawings</key><true/>"_qs : QString()));
            QVERIFY2(session.start(), qPrintable(session.errorString));
            FakeDesktop desktop(session.busAddress());
            QVERIFY(session.startTray() && session.startApplication());
            session.drag(stroke(100, 100));
            QVERIFY(session.waitForColor({200, 100}, kRed));
            if (keep) {
                QCOMPARE(session.runQuillory({u"--action"_qs, u"quit"_qs}), 0);
            } else {
                session.click(session.trayIcon());
                QVERIFY(session.waitForLog(u"Popover shown"_qs, 5000));
                E2ESession::settle(300);
                session.key(u"shift+Tab shift+Tab space"_qs); // Preferences, then Quit
            }
            QTRY_VERIFY_WITH_TIMEOUT(!session.applicationRunning(), 5000);
            QCOMPARE(session.applicationExitCode(), 0);
            QVERIFY(!QFile::exists(statePath(session, u"journal.quillory"_qs)));
            QCOMPARE(QFile::exists(statePath(session, u"kept.quillory"_qs)), keep);
            QVERIFY2(session.startApplication(), qPrintable(session.errorString));
            E2ESession::settle(500);
            QCOMPARE(E2ESession::near(session.screenshot().pixelColor(200, 100), kRed), keep);
            if (keep)
                continue;
            QVERIFY(desktop.notifications.shown().isEmpty());

            kill(session);
            QFile journal(statePath(session, u"journal.quillory"_qs));
            QVERIFY(journal.open(QIODevice::WriteOnly));
            journal.write(
                R"({"format":"quillory-drawing","version":"1.0","screens":[{"shapes":[{)");
            journal.close();
            QVERIFY2(session.startApplication(), qPrintable(session.errorString));
            QTRY_COMPARE_WITH_TIMEOUT(desktop.notifications.shown().size(), 1, 5000);
            QCOMPARE(desktop.notifications.shown().constFirst().summary,
                     u"Drawings could not be brought back"_qs);
            const QStringList aside =
                QDir(statePath(session, {})).entryList({u"journal.quillory.damaged-*"_qs});
            QCOMPARE(aside.size(), 1);
            session.drag(stroke(100, 100)); // drawing goes on as ever
            QVERIFY(session.waitForColor({200, 100}, kRed));
            E2ESession::settle(600);
            session.killXServer();
            QTRY_VERIFY_WITH_TIMEOUT(!session.applicationRunning(), 5000);
            QFile kept(statePath(session, u"journal.quillory"_qs));
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QVERIFY(kept.readAll().contains(R"("tool":"pen")"));
        }
    }

    // A pen stroke, a highlighter stroke and typed text go out in each format; the files hold
    // what a reader of the format expects. A bad path or nothing drawn fails with a message.
    void exportToEachFormatAndOpenAgain() {
        E2ESession session(options());
        START(session, desktop);
        QTemporaryDir out;
        QByteArray output;
        QCOMPARE(session.runQuillory({u"--export"_qs, out.filePath(u"empty.svg"_qs)}, &output), 1);
        QVERIFY2(output.contains("nothing is drawn"), output.constData());

        session.drag(stroke(100, 100));
        session.key(u"h"_qs);
        session.drag(stroke(100, 200));
        session.key(u"t"_qs);
        session.click({100, 300});
        session.key(u"Q u i l l o r y"_qs);
        E2ESession::settle(300);
        const QImage screen = session.screenshot();

        QCOMPARE(session.runQuillory({u"--export"_qs, out.filePath(u"a.doc"_qs)}, &output), 1);
        QVERIFY2(output.contains(".svg, .pdf, .png or .quillory"), output.constData());
        QCOMPARE(session.runQuillory({u"--export"_qs, out.filePath(u"no/such/a.svg"_qs)}, &output),
                 1);
        QVERIFY2(output.contains("does not exist"), output.constData());
        const QString here = QDir::currentPath();
        QDir::setCurrent(out.path()); // a relative path is the caller's
        for (const QString &name : {u"d.svg"_qs, u"d.pdf"_qs, u"d.png"_qs, u"d.quillory"_qs})
            QCOMPARE(session.runQuillory({u"--export"_qs, name}, &output), 0);
        QDir::setCurrent(here);

        // SVG: the strokes as paths (the highlighter's translucent), the text as text; drawn
        // by an SVG renderer, where the screen has ink.
        QFile svg(out.filePath(u"d.svg"_qs));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&svg);
        int paths = 0;
        bool translucent = false;
        QString text;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            for (const QString &name : {u"fill-opacity"_qs, u"stroke-opacity"_qs}) {
                const QString opacity = xml.attributes().value(name).toString();
                translucent = translucent || (!opacity.isEmpty() && opacity.toDouble() < 0.9);
            }
            if (xml.name() == u"path")
                ++paths;
            else if (xml.name() == u"text")
                text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
        QVERIFY(!xml.hasError());
        QVERIFY2(paths >= 2 && translucent, qPrintable(QString::number(paths)));
        QCOMPARE(text.trimmed(), u"Quillory"_qs);
        QSvgRenderer renderer(out.filePath(u"d.svg"_qs));
        QImage drawn(screen.size(), QImage::Format_ARGB32);
        drawn.fill(Qt::transparent);
        {
            QPainter painter(&drawn);
            renderer.render(&painter);
        }
        for (const QPoint at : {QPoint(200, 100), QPoint(150, 100), QPoint(200, 200)}) {
            QVERIFY(qAlpha(drawn.pixel(at)) > 80);
            QVERIFY(!E2ESession::near(screen.pixelColor(at), screen.pixelColor(1200, 700)));
        }
        QCOMPARE(qAlpha(drawn.pixel(200, 150)), 0);

        // PDF: one page (only the screen has drawings), the text extractable.
        QByteArray info;
        QCOMPARE(session.run(u"pdfinfo"_qs, {out.filePath(u"d.pdf"_qs)}, &info), 0);
        QVERIFY2(info.contains("Pages:           1"), info.constData());
        QCOMPARE(session.run(u"pdftotext"_qs, {out.filePath(u"d.pdf"_qs), u"-"_qs}, &info), 0);
        QVERIFY2(info.contains("Quillory"), info.constData());

        // PNG: the drawing alone, transparent elsewhere, at the screen's size.
        const QImage png(out.filePath(u"d.png"_qs));
        QCOMPARE(png.size(), screen.size());
        QCOMPARE(qAlpha(png.pixel(600, 600)), 0);
        QCOMPARE(qAlpha(png.pixel(200, 100)), 255);
        QVERIFY(qAlpha(png.pixel(200, 200)) > 0 && qAlpha(png.pixel(200, 200)) < 255);

        // The drawing file: the three shapes, and it opens as one undoable step.
        QFile file(out.filePath(u"d.quillory"_qs));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonArray shapes = QJsonDocument::fromJson(file.readAll())
                                      .object()[u"screens"_qs][0][u"shapes"_qs]
                                      .toArray();
        QStringList tools;
        for (const QJsonValue &shape : shapes)
            tools << shape[u"tool"_qs].toString();
        QCOMPARE(tools, (QStringList{u"pen"_qs, u"highlighter"_qs, u"text"_qs}));
        session.key(u"Escape"_qs);
        QVERIFY(session.waitForColor({200, 100}, kRed, false));
        QCOMPARE(session.runQuillory({u"--open"_qs, file.fileName()}, &output), 0);
        QVERIFY(session.waitForColor({200, 100}, kRed));
        session.key(u"ctrl+z"_qs);
        QVERIFY(session.waitForColor({200, 100}, kRed, false));

        QFile damaged(out.filePath(u"damaged.quillory"_qs));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(
            R"({"format":"quillory-drawing","version":"1.0","screens":[{"shapes":[{"tool":"pen"}]}]})");
        damaged.close();
        session.key(u"ctrl+shift+z"_qs);
        QVERIFY(session.waitForColor({200, 100}, kRed));
        QCOMPARE(session.runQuillory({u"--open"_qs, damaged.fileName()}, &output), 1);
        QVERIFY2(output.contains("the file is damaged"), output.constData());
        E2ESession::settle(300);
        QVERIFY(E2ESession::near(session.screenshot().pixelColor(200, 100), kRed));

        // Ctrl+E: the dialog, in the screenshot folder at first; Enter exports.
        session.key(u"ctrl+e"_qs);
        QVERIFY(
            session.waitUntil([&] { return session.windowShown(u"Export Drawings"_qs); }, 8000));
        E2ESession::settle(500);
        session.key(u"ctrl+a x Return"_qs);
        QVERIFY(
            session.waitUntil([&] { return !session.windowShown(u"Export Drawings"_qs); }, 5000));
        QVERIFY(QFile::exists(session.home() + u"/x.pdf"_qs)); // no screenshot folder yet: home
        QVERIFY(session.stores(u"pz.exportFormat"_qs, u"<string>pdf</string>"_qs));
        QVERIFY(session.preferencesText().contains(u"pz.exportFolder"_qs));
    }
};

QTEST_MAIN(TestKeeping)
#include "moc_FakeDesktop.cpp"
#include "tst_keeping.moc"
