#include "E2ESession.h"

#include <QFile>
#include <QTest>

// A screen at twice the density, set the two ways users set it: Qt's own scale factor, and
// the X resource Xft.dpi that desktops write.
class TestHiDpi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void doubleDensity_data() {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("resources");
        QTest::newRow("QT_SCALE_FACTOR=2") << u"QT_SCALE_FACTOR"_qs << QString();
        QTest::newRow("Xft.dpi: 192") << QString() << u"Xft.dpi: 192\n"_qs;
    }

    void doubleDensity() {
        QFETCH(QString, variable);
        QFETCH(QString, resources);
        E2ESession::Options options;
        options.compositor = false;
        options.launch = false;
        options.monitorSize = {2560, 1600};
        options.helpCard = true;
        options.firstRun = true; // the panel opens by itself
        if (!variable.isEmpty())
            options.environment.insert(variable, u"2"_qs);
        E2ESession session(options);
        QVERIFY2(session.start(), qPrintable(session.errorString));
        if (!resources.isEmpty()) {
            QFile file(session.home() + u"/Xresources"_qs);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(resources.toUtf8());
            file.close();
            QCOMPARE(session.run(u"xrdb"_qs, {u"-display"_qs, session.display(), u"-merge"_qs,
                                              file.fileName()}),
                     0);
        }
        QVERIFY2(session.startApplication(), qPrintable(session.errorString));
        QVERIFY(session.waitForLog(u"Overlay moved to screen QRect(0,0 1280x800)"_qs));

        // The panel at its point size: 447 points wide, as at a scale of one.
        QVERIFY(
            E2ESession::waitUntil([&] { return session.windowShown(u"Quillory Menu"_qs); }, 8000));
        const int width = session.windowGeometry({u"--name"_qs, u"Quillory Menu"_qs}).width();
        QVERIFY2(qAbs(width - 894) <= 12, qPrintable(QString::number(width)));
        session.key(u"Escape"_qs);
        QVERIFY(
            E2ESession::waitUntil([&] { return !session.windowShown(u"Quillory Menu"_qs); }, 3000));

        // Palette and help card at their point sizes, drawn at device resolution: the second
        // colour a 70-pixel disc whose ring is 6 pixels with a sharp inner edge, the card 1000
        // pixels wide. Without a compositor, the palette shows its discs and nothing around.
        QCOMPARE(session.runQuillory({u"--action"_qs, u"toggle-tools"_qs}), 0);
        E2ESession::settle(800);
        const QImage start = session.screenshot();
        const QColor desktop = start.pixelColor(200, 10), yellow(255, 204, 0);
        // How wide what is not the desktop is, from the first such pixel on the row to the last
        // in [from, to).
        const auto extent = [&](int y, int from, int to) {
            int first = -1, last = -1;
            for (int x = from; x < to; ++x) {
                if (start.pixelColor(x, y) != desktop) {
                    first = first < 0 ? x : first;
                    last = x;
                }
            }
            return first < 0 ? 0 : last - first + 1;
        };
        const int disc = extent(195, 0, 150); // the modes stand beside it
        QVERIFY2(disc >= 66 && disc <= 70, qPrintable(QString::number(disc)));
        QVERIFY(start.pixelColor(61, 60) == desktop); // the column's corner
        int ring = 0;
        while (start.pixelColor(ring, 195) == desktop)
            ++ring;
        QVERIFY(E2ESession::near(start.pixelColor(ring + 4, 195), yellow, 20));
        QVERIFY(E2ESession::near(start.pixelColor(ring + 6, 195), Qt::white, 20));
        QCOMPARE(extent(800, 200, start.width()), 1730);
        QCOMPARE(session.runQuillory({u"--action"_qs, u"toggle-tools"_qs}), 0);

        // The stroke runs exactly where the pointer went, in device pixels, at twice its
        // width (3 points: 6 pixels).
        session.drag(E2ESession::line({300, 300}, {600, 300}, 10));
        QVERIFY(session.waitForColor({450, 300}, E2ESession::systemRed));
        const QImage screen = session.screenshot();
        for (const int y : {297, 302})
            QVERIFY(E2ESession::near(screen.pixelColor(450, y), E2ESession::systemRed));
        for (const int y : {295, 304})
            QVERIFY(!E2ESession::near(screen.pixelColor(450, y), E2ESession::systemRed));
        QVERIFY(E2ESession::near(screen.pixelColor(304, 300), E2ESession::systemRed));
        QVERIFY(!E2ESession::near(screen.pixelColor(290, 300), E2ESession::systemRed));

        // The screenshot has every device pixel of the screen.
        QCOMPARE(session.runQuillory({u"--action"_qs, u"copy"_qs}), 0);
        QVERIFY(session.waitForLog(u"Screenshot copied"_qs));
        const QImage copied = session.clipboardImage();
        QCOMPARE(copied.size(), QSize(2560, 1600));
        QVERIFY(E2ESession::near(copied.pixelColor(450, 300), E2ESession::systemRed));

        // The countdown covers every device pixel.
        QCOMPARE(session.runQuillory({u"--action"_qs, u"timer"_qs}), 0);
        QVERIFY(E2ESession::waitUntil([&] { return session.windowShown(u"Presentation Timer"_qs); },
                                      5000));
        QCOMPARE(session.windowGeometry({u"--name"_qs, u"Presentation Timer"_qs}),
                 QRect(0, 0, 2560, 1600));
    }
};

QTEST_GUILESS_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
