#include "core/SystemColors.h"
#include "palette/Palette.h"
#include "platform/DiagnosticLog.h"
#include "platform/Localization.h"
#include "widgets/ImageView.h"

#include <QTest>

#include <memory>

namespace {

using State = RadioButtonState;

template <typename Group> QList<State> statesOf(const Group &group) {
    QList<State> states;
    for (const auto *button : group.buttons())
        states << button->radioState();
    return states;
}

QList<State> only(qsizetype count, qsizetype selected, qsizetype hovered = -1) {
    QList<State> states(count, State::normal);
    if (hovered >= 0)
        states[hovered] = State::hover;
    states[selected] = State::selected;
    return states;
}

// Equal but for the rounding of antialiased, premultiplied pixels.
bool near(QColor actual, QColor expected) {
    return qAbs(actual.red() - expected.red()) <= 2 &&
           qAbs(actual.green() - expected.green()) <= 2 &&
           qAbs(actual.blue() - expected.blue()) <= 2 &&
           qAbs(actual.alpha() - expected.alpha()) <= 2;
}

// What the widget paints itself, over transparency.
QImage renderAt(QWidget *widget, qreal ratio = 1.0) {
    QImage image(widget->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// A white window for a group, with room around it for the pointer to leave.
struct Stage {
    QWidget window;
    template <typename Group> Group *show(Group *group) {
        window.setStyleSheet(QStringLiteral("background: white"));
        window.resize(120, 520);
        group->setParent(&window);
        group->move(40, 40);
        window.show();
        return QTest::qWaitForWindowExposed(&window) ? group : nullptr;
    }
    QPoint centre(QWidget *target) { return target->mapTo(&window, target->rect().center()); }
    void moveTo(QWidget *target) { QTest::mouseMove(window.windowHandle(), centre(target)); }
    void click(QWidget *target) {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, centre(target));
    }
};

} // namespace

class TestPalette : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        DiagnosticLog::setSink([](const QString &) {});
        QVERIFY(Localization::install());
    }

    // The overlay places both columns by their size before it shows them.
    void newGroupsShowTheFirstButtonFilled() {
        std::unique_ptr<ColorRadioButtonGroup> colors(Palette::makeColorGroup());
        std::unique_ptr<ShapeRadioButtonGroup> tools(Palette::makeShapeGroup());
        QCOMPARE(colors->size(), QSize(35, 435));
        QCOMPARE(tools->size(), QSize(85, 235));
        QCOMPARE(statesOf(*colors), only(9, 0));
        QCOMPARE(colors->selectedItem().value(), SystemColors::systemRed());
        QCOMPARE(tools->selectedItem().value(), Shape::pen);
        // A screen reader names each button and the key that picks it.
        QCOMPARE(colors->buttons()[8]->accessibleName(), u"Pink"_qs);
        QCOMPARE(colors->buttons()[8]->accessibleDescription(), u"Key 9"_qs);
        QCOMPARE(tools->buttons()[2]->accessibleName(), u"Arrow"_qs);
        QCOMPARE(tools->buttons()[2]->accessibleDescription(), u"Key A"_qs);

        // 50 apart: a 3-pixel ring in the colour around white (filled when selected), the
        // digit in black, nothing outside the disc.
        const QImage image = renderAt(colors.get());
        for (const int i : {0, 1}) {
            const int top = i * 50;
            const QColor color = colors->buttons()[i]->representedItem();
            QVERIFY(near(image.pixelColor(1, top + 17), color));
            QVERIFY(near(image.pixelColor(4, top + 17), i == 0 ? color : QColor(Qt::white)));
            QCOMPARE(image.pixelColor(0, top).alpha(), 0);
            QVERIFY(qGray(image.pixel(17, top + 17)) < 100 ||
                    qGray(image.pixel(16, top + 18)) < 100);
        }
        // The tool buttons take the pen colour as their ring, filled when selected. On a HiDPI
        // screen both ring and icon are painted at device resolution, not scaled up: a six-pixel
        // ring, and the straight line's thin diagonal from bottom left to top right.
        Palette::setTint(*tools, SystemColors::systemBlue());
        QVERIFY(near(renderAt(tools->buttons()[0]).pixelColor(5, 17), SystemColors::systemBlue()));
        const QImage sharp = renderAt(tools->buttons()[1], 2.0);
        for (int x = 1; x < 5; ++x)
            QVERIFY(near(sharp.pixelColor(x, 35), SystemColors::systemBlue()));
        QVERIFY(near(sharp.pixelColor(8, 35), Qt::white));
        QVERIFY(qGray(sharp.pixel(35, 35)) < 80 && qGray(sharp.pixel(25, 25)) > 200);
        QCOMPARE(tools->buttons()[3]->imageView()->geometry(), QRect(8, 8, 19, 19));
    }

    // Hover dims a button to half opacity; the selected one never hovers; a press selects and
    // publishes, also when the button was selected already.
    void hoverAndPress() {
        Stage stage;
        auto *group = stage.show(Palette::makeShapeGroup());
        QVERIFY(group);
        const auto &buttons = group->buttons();
        QObject observer;
        QList<Shape> heard;
        group->selectedItem().watch(&observer, [&](const Shape &shape) { heard << shape; });

        stage.moveTo(buttons[2]);
        QCOMPARE(statesOf(*group), only(toolCount, 0, 2));
        QCOMPARE(buttons[2]->alphaValue(), 0.5);
        QCOMPARE(buttons[2]->imageView()->opacity(), 0.5);
        stage.moveTo(buttons[0]); // the selected one stays, the one left behind goes back
        QCOMPARE(statesOf(*group), only(toolCount, 0));
        QCOMPARE(buttons[2]->alphaValue(), 1.0);

        // A hovered button keeps its old ring when the tint changes, until its next style.
        stage.moveTo(buttons[3]);
        Palette::setTint(*group, SystemColors::systemBlue());
        QCOMPARE(buttons[1]->borderColor(), SystemColors::systemBlue());
        QCOMPARE(buttons[3]->borderColor(), QColor(Qt::white));
        QTest::mouseMove(stage.window.windowHandle(), QPoint(100, 500)); // out of the group
        QCOMPARE(statesOf(*group), only(toolCount, 0));
        QCOMPARE(buttons[3]->borderColor(), SystemColors::systemBlue());

        stage.moveTo(buttons[2]);
        stage.click(buttons[2]);
        QCOMPARE(statesOf(*group), only(toolCount, 2));
        stage.click(buttons[2]);
        group->pressed(1); // the overlay selects by index, in palette order
        QCOMPARE(heard, (QList<Shape>{Shape::pen, Shape::arrow, Shape::arrow, Shape::line}));
        QCOMPARE(statesOf(*group), only(toolCount, 1));
    }

    // Holding Shift swaps the arrow's icon for its modified one and releasing it swaps it back;
    // an icon missing from the resources would leave its button blank.
    void shiftSwapsTheArrowIcon() {
        std::unique_ptr<ShapeRadioButtonGroup> group(Palette::makeShapeGroup());
        for (const bool modified : {false, true, false}) {
            Palette::setModified(*group, modified);
            for (ShapeRadioButton *button : group->buttons())
                QVERIFY(!button->imageView()->image().isNull());
            QCOMPARE(group->buttons()[2]->imageView()->image().name(),
                     modified ? u"iconArrowModified-1"_qs : u"iconArrow-1"_qs);
        }
    }
};

QTEST_MAIN(TestPalette)
#include "tst_palette.moc"
