#include "platform/dbus/Workspace.h"
#include "widgets/FlatButton.h"

#include <QSignalSpy>
#include <QTest>
#include <QVariantAnimation>

#include <cmath>

using P = FlatButton::ImagePosition;

class TestFlatButton : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // In y-down coordinates an image below the title has the larger y. A 24×24 image in a
    // 100×80 button, spacing 8.
    void laysOutImageAndTitleByPosition() {
        FlatButton button;
        button.resize(100, 80);
        button.setSpacing(8);
        button.setTitle(QStringLiteral("Timer"));
        button.setImage(SvgImage::named(QStringLiteral("iconCircle-1")));
        const QFontMetricsF metrics(button.font());
        const qreal tw = metrics.horizontalAdvance(button.title()), th = metrics.height();
        const struct {
            P position;
            bool hugs;
            QPointF image, title;
        } cases[] = {
            {P::ImageLeft, false, {8, 28}, {92 - tw, (80 - th) / 2}},
            {P::ImageTrailing, true, {(76 + tw) / 2 + 8, 28}, {(76 - tw) / 2 - 8, (80 - th) / 2}},
            {P::ImageBelow, false, {38, 48}, {(100 - tw) / 2, 8}},
            {P::ImageAbove, true, {38, (56 - th) / 2 - 8}, {(100 - tw) / 2, (104 - th) / 2 + 8}},
        };
        const auto at = [](QPointF p) { return QPointF(std::round(p.x()), std::round(p.y())); };
        for (const auto &c : cases) {
            button.setImagePosition(c.position);
            button.setImageHugsTitle(c.hugs);
            QCOMPARE(button.imageLayer().frame, QRectF(at(c.image), QSizeF(24, 24)));
            QCOMPARE(button.titleLayer().frame,
                     QRectF(at(c.title), QSizeF(std::ceil(tw), std::ceil(th))));
        }
        button.setImagePosition(P::ImageOnly);
        QVERIFY(button.imageLayer().shown && !button.titleLayer().shown);
        button.setImagePosition(P::NoImage);
        QVERIFY(!button.imageLayer().shown && button.titleLayer().shown);
    }

    // A fade runs to the new state's colour over that state's duration, only when the colour is
    // not there yet, and ends on it.
    void fadesColoursOnStateChange() {
        FlatButton button;
        button.setOnAnimateDuration(0.3);
        button.setOffAnimateDuration(0.1);
        button.setBackgroundHighlightColor(Qt::blue);
        button.setBackgroundNormalColor(Qt::white);
        auto *fade = button.findChild<QVariantAnimation *>(QStringLiteral("backgroundColor"));
        const auto finish = [&] { fade->setCurrentTime(fade->duration()); };
        QCOMPARE(fade->duration(), 100);
        finish();
        button.setState(FlatButton::On);
        QCOMPARE(fade->state(), QAbstractAnimation::Running);
        QCOMPARE(fade->duration(), 300);
        QCOMPARE(fade->endValue().value<QColor>(), QColor(Qt::blue));
        finish();
        QCOMPARE(button.backgroundColor(), QColor(Qt::blue));
        button.setState(FlatButton::On);
        QCOMPARE(fade->state(), QAbstractAnimation::Stopped);
    }

    // A press plays the button's sound, when it has one. A release on the button clicks it and
    // keeps the state; a press dragged out sends nothing, also when it comes back, and leaves
    // the background highlighted. Return clicks too. A disabled button takes no clicks and shows
    // at half alpha. The image shows only as its shape, filled with the image colour.
    void clicksDragOutAndDisabled() {
        FlatButton button;
        button.resize(100, 40);
        button.setImage(SvgImage::named(QStringLiteral("iconCircle-1")));
        button.setImagePosition(P::ImageOnly);
        button.setImageHighlightColor(Qt::red);
        button.setBackgroundHighlightColor(Qt::blue);
        button.setNormalColor(Qt::white);
        button.setState(FlatButton::On);
        QSignalSpy clicked(&button, &QAbstractButton::clicked);
        QStringList sounds;
        Workspace::setSoundListener([&sounds](const QString &id) { sounds << id; });
        const QPoint centre(50, 20), outside(150, 20);
        QTest::mouseClick(&button, Qt::LeftButton, {}, centre);
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(button.state(), FlatButton::On);
        QCOMPARE(button.backgroundNormalColor(), QColor(Qt::white));

        button.setSound(u"button-pressed"_qs);
        QTest::mousePress(&button, Qt::LeftButton, {}, centre);
        QCOMPARE(sounds, QStringList{u"button-pressed"_qs}); // none before it was set
        QTest::mouseMove(&button, outside);
        QTest::mouseMove(&button, centre);
        QTest::mouseRelease(&button, Qt::LeftButton, {}, centre);
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(button.backgroundNormalColor(), QColor(Qt::blue));
        QTest::keyClick(&button, Qt::Key_Return);
        QCOMPARE(clicked.size(), 2);

        const QImage shown = button.grab().toImage();
        QCOMPARE(shown.pixelColor(41, 20), QColor(Qt::red)); // the ellipse's stroke at (3, 12)
        QCOMPARE(shown.pixelColor(50, 20), QColor(Qt::blue));
        button.setEnabled(false);
        QTest::mouseClick(&button, Qt::LeftButton, {}, centre);
        QVERIFY(clicked.size() == 2 && sounds.size() == 1);
        Workspace::setSoundListener({});
        QImage image(button.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        button.render(&image, QPoint(), QRegion(), QWidget::DrawChildren); // no window background
        QVERIFY(qAbs(image.pixelColor(50, 20).alpha() - 128) <= 1);
    }
};

QTEST_MAIN(TestFlatButton)
#include "tst_flatbutton.moc"
