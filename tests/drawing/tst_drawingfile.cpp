#include "drawing/DrawingFile.h"
#include "drawing/tools/RenderableText.h"
#include "drawing/tools/ToolFactory.h"
#include "platform/Localization.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

namespace {

// A shape as a user could have drawn it: any tool that draws, colour, width, a drag of random
// length (with a pen's pressures now and then), straightened now and then, or a typed text.
std::shared_ptr<Renderable> randomShape(QRandomGenerator &random) {
    constexpr Shape kinds[] = {Shape::pen,    Shape::line,        Shape::arrow, Shape::rect,
                               Shape::circle, Shape::highlighter, Shape::text};
    const Shape kind = kinds[random.bounded(int(std::size(kinds)))];
    const auto point = [&random] {
        return QPointF(random.bounded(192000) / 100.0, random.bounded(108000) / 100.0);
    };
    const QColor color = QColor::fromRgb(random.generate()).toRgb();
    const double width = 1 + random.bounded(3900) / 100.0;
    std::shared_ptr<Renderable> shape = makeShape(kind, point(), color, width);
    if (kind == Shape::text) {
        const QString texts[] = {u"Hello"_qs, u"Zwei\nZeilen \"quoted\""_qs, u"日本語 ✓"_qs};
        static_cast<RenderableText &>(*shape).setText(texts[random.bounded(3)]);
        return shape;
    }
    const bool pressed = random.bounded(3) == 0;
    const int count = 1 + random.bounded(60);
    for (int i = 0; i < count; ++i) {
        if (pressed)
            shape->setPressure(random.generateDouble());
        shape->update(point());
    }
    shape->isModified = random.bounded(4) == 0;
    return shape;
}

DrawingDocument randomDocument(QRandomGenerator &random) {
    DrawingDocument document;
    const auto list = [&random] {
        Drawings shapes;
        for (int n = random.bounded(6); n > 0; --n)
            shapes.push_back(randomShape(random));
        return shapes;
    };
    for (int s = 1 + random.bounded(3); s > 0; --s) {
        ScreenDrawings screen;
        screen.name = QStringLiteral("DP-%1").arg(s);
        screen.size = QSize(1920, 1080);
        screen.scale = 1.0 + s % 2;
        screen.shapes = list();
        for (BoardPages *board : {&screen.whiteboard, &screen.blackboard}) {
            for (int p = random.bounded(3); p > 0; --p)
                board->pages.push_back(list());
            board->page = board->pages.empty() ? 0 : random.bounded(int(board->pages.size()));
        }
        document.screens.push_back(std::move(screen));
    }
    return document;
}

QImage painted(const Drawings &shapes) {
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    for (const std::shared_ptr<Renderable> &shape : shapes)
        shape->render(painter);
    return image;
}

} // namespace

class TestDrawingFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(Localization::install()); }

    // Save, open, save gives the same bytes for any drawing; what is opened paints as what was
    // saved, and every screen, board, page and shape is there.
    void randomDrawingsSurviveSaveOpenSave() {
        QRandomGenerator random(20261210);
        for (int i = 0; i < 100; ++i) {
            const DrawingDocument document = randomDocument(random);
            const QByteArray saved = DrawingFile::write(document);
            QString error;
            const std::optional<DrawingDocument> opened = DrawingFile::read(saved, &error);
            QVERIFY2(opened, qPrintable(error));
            QCOMPARE(DrawingFile::write(*opened), saved);
            QCOMPARE(opened->shapeCount(), document.shapeCount());
            QCOMPARE(opened->screens.back().blackboard.page,
                     document.screens.back().blackboard.page);
            if (i % 10 == 0) {
                const QImage before = painted(document.screens.front().shapes);
                const QImage after = painted(opened->screens.front().shapes);
                // Points are kept to a hundredth: antialiased edges may differ a little.
                int differing = 0;
                for (int y = 0; y < before.height(); ++y) {
                    for (int x = 0; x < before.width(); ++x)
                        differing +=
                            qAbs(qAlpha(before.pixel(x, y)) - qAlpha(after.pixel(x, y))) > 64;
                }
                QVERIFY2(differing < 50, qPrintable(QString::number(differing)));
            }
        }
    }

    // What is not a drawing of this Quillory is refused with a message that says why, and an
    // older or a newer minor version is read.
    void refusesWhatItCannotRead() {
        QRandomGenerator random(7);
        DrawingDocument document = randomDocument(random);
        document.screens.front().shapes.push_back(randomShape(random));
        const QByteArray good = DrawingFile::write(document);
        const auto refusal = [](const QByteArray &data) {
            QString error;
            return DrawingFile::read(data, &error) ? QString() : error;
        };
        QVERIFY(refusal(good).isEmpty());
        QCOMPARE(refusal(good.left(good.size() / 2)).left(21), u"the file is damaged: "_qs);
        QCOMPARE(refusal("\x89PNG\r\n"), u"not a Quillory drawing file"_qs);
        QCOMPARE(refusal(R"({"format": "other", "version": "1.0"})"),
                 u"not a Quillory drawing file"_qs);
        QByteArray newer = good;
        newer.replace(R"("version":"1.0")", R"("version":"2.0")");
        QCOMPARE(refusal(newer),
                 u"the file comes from a newer Quillory (format 2.0); this one reads format 1"_qs);
        QByteArray laterMinor = good, older = good;
        laterMinor.replace(R"("version":"1.0")", R"("version":"1.7")");
        older.replace(R"("version":"1.0")", R"("version":"0.9")");
        QVERIFY(refusal(laterMinor).isEmpty());
        QVERIFY(refusal(older).isEmpty());
        const QList<std::pair<QByteArray, QByteArray>> breaks = {
            {"\"tool\":\"", "\"tool\":\"x"},
            {"\"width\":", "\"width\":-"},
            {"\"points\":[[", "\"points\":[[\"a\","},
            {"\"color\":\"#", "\"color\":\"#zz"}};
        for (const std::pair<QByteArray, QByteArray> &change : breaks) {
            QByteArray broken = good;
            broken.replace(change.first, change.second);
            QVERIFY2(refusal(broken).startsWith(u"the file is damaged: screen 1"_qs), change.first);
        }
    }
};

QTEST_MAIN(TestDrawingFile)
#include "tst_drawingfile.moc"
