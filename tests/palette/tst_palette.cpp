#include "core/SystemColors.h"
#include "palette/Palette.h"
#include "platform/DiagnosticLog.h"
#include "platform/ImageView.h"
#include "platform/LayoutExtension.h"
#include "platform/SvgImage.h"

#include <QApplication>
#include <QLayout>
#include <QProcess>
#include <QTest>

#include <memory>

namespace {

using State = RadioButtonState;

// A button that leaves out what every concrete button must provide.
class WithoutSetup final : public RadioButton<int> {
public:
    WithoutSetup()
        : RadioButton(1, QString()) {
        finishConstruction();
    }
};

int runFatalCase(const QByteArray &name) {
    if (name == "empty-group") {
        ColorRadioButtonGroup group({});
    } else if (name == "orphan-fill") {
        QWidget orphan;
        (void)constraintsFillingSuperview(&orphan, {});
    } else if (name == "abstract-setup") {
        WithoutSetup button;
    } else if (name == "index-out-of-range") {
        std::unique_ptr<ShapeRadioButtonGroup> group(Palette::makeShapeGroup());
        group->pressed(5);
    }
    return 0;
}

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

bool near(QColor actual, QColor expected, int tolerance = 2) {
    return qAbs(actual.red() - expected.red()) <= tolerance &&
           qAbs(actual.green() - expected.green()) <= tolerance &&
           qAbs(actual.blue() - expected.blue()) <= tolerance &&
           qAbs(actual.alpha() - expected.alpha()) <= tolerance;
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
    void moveTo(QWidget *target) {
        QTest::mouseMove(window.windowHandle(), target->mapTo(&window, target->rect().center()));
    }
    void click(QWidget *target) {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                          target->mapTo(&window, target->rect().center()));
    }
};

} // namespace

class TestPalette : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        DiagnosticLog::setSink([](const QString &) {});
    }

    void newGroupsShowTheFirstButtonFilled() {
        std::unique_ptr<ColorRadioButtonGroup> colors(Palette::makeColorGroup());
        std::unique_ptr<ShapeRadioButtonGroup> tools(Palette::makeShapeGroup());
        QCOMPARE(colors->size(), QSize(35, 435));
        QCOMPARE(tools->size(), QSize(35, 235));
        QCOMPARE(statesOf(*colors), only(9, 0));
        QCOMPARE(colors->selectedItem().value(), SystemColors::systemRed());
        QCOMPARE(tools->selectedItem().value(), Shape::pen);
        QCOMPARE(colors->buttons()[8]->representedItem(), SystemColors::systemPink());

        // 50 apart: a 3-pixel ring in the colour around white (filled when selected), the
        // digit in black, nothing outside the disc.
        const QImage image = renderAt(colors.get());
        for (const int i : {0, 1}) {
            const int top = i * 50;
            const QColor color = colors->buttons()[i]->representedItem();
            QVERIFY(near(image.pixelColor(1, top + 17), color));
            QVERIFY(near(image.pixelColor(2, top + 17), color));
            QVERIFY(near(image.pixelColor(4, top + 17), i == 0 ? color : QColor(Qt::white)));
            QCOMPARE(image.pixelColor(0, top).alpha(), 0);
            QVERIFY(qGray(image.pixel(17, top + 17)) < 100 ||
                    qGray(image.pixel(16, top + 18)) < 100);
        }
        // The tool buttons take the pen colour as their ring; the icon fills the ring's inside.
        Palette::setTint(*tools, SystemColors::systemBlue());
        const QImage toolImage = renderAt(tools.get());
        QVERIFY(near(toolImage.pixelColor(5, 17), SystemColors::systemBlue())); // selected
        QVERIFY(near(toolImage.pixelColor(1, 50 + 17), SystemColors::systemBlue()));
        QVERIFY(near(toolImage.pixelColor(5, 50 + 17), Qt::white));
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
        QCOMPARE(statesOf(*group), only(5, 0, 2));
        QCOMPARE(buttons[2]->alphaValue(), 0.5);
        QCOMPARE(buttons[2]->imageView()->opacity(), 0.5);
        stage.moveTo(buttons[0]); // the selected one stays, the one left behind goes back
        QCOMPARE(statesOf(*group), only(5, 0));
        QCOMPARE(buttons[2]->alphaValue(), 1.0);

        // A hovered button keeps its old ring when the tint changes, until its next style.
        stage.moveTo(buttons[3]);
        Palette::setTint(*group, SystemColors::systemBlue());
        QCOMPARE(buttons[1]->borderColor(), SystemColors::systemBlue());
        QCOMPARE(buttons[3]->borderColor(), QColor(Qt::white));
        QTest::mouseMove(stage.window.windowHandle(), QPoint(100, 500)); // out of the group
        QCOMPARE(statesOf(*group), only(5, 0));
        QCOMPARE(buttons[3]->borderColor(), SystemColors::systemBlue());

        stage.moveTo(buttons[2]);
        stage.click(buttons[2]);
        QCOMPARE(statesOf(*group), only(5, 2));
        stage.click(buttons[2]);
        group->pressed(1); // the overlay selects by index, in palette order
        QCOMPARE(heard, (QList<Shape>{Shape::pen, Shape::arrow, Shape::arrow, Shape::line}));
        QCOMPARE(statesOf(*group), only(5, 1));
    }

    void onlyTheArrowHasAModifiedIcon() {
        std::unique_ptr<ShapeRadioButtonGroup> group(Palette::makeShapeGroup());
        const auto names = [&] {
            QStringList list;
            for (ShapeRadioButton *button : group->buttons())
                list << button->imageView()->image().name();
            return list;
        };
        const QStringList plain = {"iconLine-1", "iconLineModified-1", "iconArrow-1",
                                   "iconRectangle-1", "iconCircle-1"};
        QCOMPARE(names(), plain);
        Palette::setModified(*group, true);
        QStringList modified = plain;
        modified[2] = "iconArrowModified-1";
        QCOMPARE(names(), modified);
        for (const QString &name : modified + QStringList{"iconArrow-1"})
            QVERIFY2(!SvgImage::named(name).isNull(), qPrintable(name)); // in the resources
        Palette::setModified(*group, false);
        QCOMPARE(names(), plain);
    }

    void fillingTheSuperviewKeepsTheInsets() {
        QWidget parent;
        auto *view = new QWidget(&parent);
        const FillConstraints constraints =
            constraintsFillingSuperview(view, {.top = 1, .left = 2, .bottom = 3, .right = 4});
        QCOMPARE(parent.layout(), nullptr); // not in force until activated
        constraints.activate();
        parent.resize(100, 80);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QCOMPARE(view->geometry(), QRect(2, 1, 94, 76));
        view->setFixedSize(30, 20); // the parent's size follows the view's
        QCOMPARE(parent.minimumSizeHint(), QSize(36, 24));
    }

    void paintsSharplyAtTwiceThePixelRatio() {
        std::unique_ptr<ShapeRadioButtonGroup> group(Palette::makeShapeGroup());
        Palette::setTint(*group, SystemColors::systemRed());
        const QImage image = renderAt(group->buttons()[1], 2.0); // the straight line
        QCOMPARE(image.size(), QSize(70, 70));
        for (int x = 1; x < 5; ++x) // a six-pixel ring, solid in its middle
            QVERIFY(near(image.pixelColor(x, 35), SystemColors::systemRed()));
        QVERIFY(near(image.pixelColor(8, 35), Qt::white));
        // The icon's diagonal, drawn at device resolution, runs from bottom left to top right.
        QVERIFY(qGray(image.pixel(35, 35)) < 80);
        QVERIFY(qGray(image.pixel(25, 25)) > 200);
    }

    void programmingErrorsStopTheProcess_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("group without buttons") << "empty-group"
                                               << "init(options:)";
        QTest::newRow("fill without parent") << "orphan-fill"
                                             << "constraintsFillingSuperview(insets:)";
        QTest::newRow("abstract setup") << "abstract-setup"
                                        << "setup()";
        QTest::newRow("index out of range") << "index-out-of-range"
                                            << "Index out of range";
    }
    void programmingErrorsStopTheProcess() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--fatal", name});
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        const QString error = QString::fromUtf8(child.readAllStandardError());
        QVERIFY2(error.contains("Fatal error: ") && error.contains(": " + message + "\n"),
                 qPrintable(error));
    }
};

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    if (argc > 2 && qstrcmp(argv[1], "--fatal") == 0) {
        DiagnosticLog::setSink([](const QString &) {});
        return runFatalCase(argv[2]);
    }
    TestPalette test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_palette.moc"
