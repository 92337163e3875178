#include "core/SystemColors.h"
#include "palette/Palette.h"
#include "platform/DiagnosticLog.h"
#include "platform/ImageView.h"
#include "platform/LayoutExtension.h"
#include "platform/SvgImage.h"

#include <QApplication>
#include <QLayout>
#include <QPainter>
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

QList<State> onlySelected(qsizetype count, qsizetype selected) {
    QList<State> states(count, State::normal);
    states[selected] = State::selected;
    return states;
}

bool near(QColor actual, QColor expected, int tolerance = 2) {
    return qAbs(actual.red() - expected.red()) <= tolerance &&
           qAbs(actual.green() - expected.green()) <= tolerance &&
           qAbs(actual.blue() - expected.blue()) <= tolerance &&
           qAbs(actual.alpha() - expected.alpha()) <= tolerance;
}

QImage renderAt(QWidget *widget, qreal ratio) {
    QImage image(widget->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    // Only what the widget paints itself, over transparency.
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// A white window for a group, with room around it for the pointer to leave.
struct Stage {
    QWidget window;
    template <typename Group> Group *show(Group *group) {
        window.setAutoFillBackground(true);
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, Qt::white);
        window.setPalette(palette);
        window.resize(120, 520);
        group->setParent(&window);
        group->move(40, 40);
        window.show();
        return group;
    }
    bool exposed() { return QTest::qWaitForWindowExposed(&window); }
    void moveTo(QWidget *target, QPoint at) {
        QTest::mouseMove(window.windowHandle(), target->mapTo(&window, at));
    }
    void moveToCentreOf(QWidget *target) { moveTo(target, target->rect().center()); }
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
    void cleanupTestCase() { DiagnosticLog::setSink({}); }

    void newGroupsShowTheFirstButtonFilled() {
        Stage stage;
        auto *colors = stage.show(Palette::makeColorGroup());
        auto *tools = Palette::makeShapeGroup(&stage.window);
        tools->move(80, 40);
        QVERIFY(stage.exposed());

        QCOMPARE(colors->size(), QSize(35, 435));
        QCOMPARE(tools->size(), QSize(35, 235));
        QCOMPARE(statesOf(*colors), onlySelected(9, 0));
        QCOMPARE(statesOf(*tools), onlySelected(5, 0));
        QCOMPARE(colors->selectedItem().value(), SystemColors::systemRed());
        QCOMPARE(tools->selectedItem().value(), Shape::pen);

        // Top to bottom in palette order, 50 apart: a 3-pixel ring in the colour around white
        // (filled when selected), the digit in black, nothing outside the disc.
        const QImage image = renderAt(colors, 1.0);
        for (const int i : {0, 1, 8}) {
            const int top = i * 50;
            const QColor color = colors->buttons()[i]->representedItem();
            QVERIFY(near(image.pixelColor(1, top + 17), color));
            QVERIFY(near(image.pixelColor(2, top + 17), color));
            QVERIFY(near(image.pixelColor(4, top + 17), i == 0 ? color : QColor(Qt::white)));
            QCOMPARE(image.pixelColor(0, top).alpha(), 0);
            int dark = 0;
            for (int y = top + 10; y < top + 25; ++y)
                for (int x = 12; x < 23; ++x)
                    dark += qGray(image.pixel(x, y)) < 60 ? 1 : 0;
            QVERIFY(dark > 5);
        }
        QCOMPARE(colors->buttons()[8]->representedItem(), SystemColors::systemPink());

        // The tool icons sit in the 19-pixel square inside the ring.
        QCOMPARE(tools->buttons()[3]->imageView()->geometry(), QRect(8, 8, 19, 19));
        Palette::setTint(*tools, SystemColors::systemBlue());
        const QImage toolImage = renderAt(tools, 1.0);
        QVERIFY(near(toolImage.pixelColor(1, 17), SystemColors::systemBlue()));
        QVERIFY(near(toolImage.pixelColor(5, 17), SystemColors::systemBlue())); // filled
        QVERIFY(near(toolImage.pixelColor(1, 50 + 17), SystemColors::systemBlue()));
        QVERIFY(near(toolImage.pixelColor(5, 50 + 17), Qt::white));
    }

    void hoverFollowsThePointerAndSparesTheSelectedButton() {
        Stage stage;
        auto *group = stage.show(Palette::makeColorGroup());
        QVERIFY(stage.exposed());
        const auto &buttons = group->buttons();

        stage.moveToCentreOf(buttons[2]);
        QList<State> expected = onlySelected(9, 0);
        expected[2] = State::hover;
        QCOMPARE(statesOf(*group), expected);
        QCOMPARE(buttons[2]->alphaValue(), 0.5);
        // A hovered button is its normal look at half opacity, over the white window.
        const QImage hovered = stage.window.grab().toImage();
        const QPoint ring = buttons[2]->mapTo(&stage.window, QPoint(1, 17));
        const QColor green = SystemColors::systemGreen();
        QVERIFY(near(
            hovered.pixelColor(ring),
            QColor((green.red() + 255) / 2, (green.green() + 255) / 2, (green.blue() + 255) / 2),
            3));

        // Onto the selected button: it stays as it is, the one left behind goes back.
        stage.moveToCentreOf(buttons[0]);
        QCOMPARE(statesOf(*group), onlySelected(9, 0));
        QCOMPARE(buttons[0]->alphaValue(), 1.0);

        // Over the gap between two buttons no button is hovered.
        stage.moveToCentreOf(buttons[5]);
        QCOMPARE(buttons[5]->radioState(), State::hover);
        stage.moveTo(buttons[5], QPoint(17, 35 + 7));
        QCOMPARE(statesOf(*group), onlySelected(9, 0));

        // Leaving the group restores every non-selected button.
        stage.moveToCentreOf(buttons[8]);
        QCOMPARE(buttons[8]->radioState(), State::hover);
        QTest::mouseMove(stage.window.windowHandle(), QPoint(100, 300));
        QCOMPARE(statesOf(*group), onlySelected(9, 0));
        QCOMPARE(buttons[8]->alphaValue(), 1.0);
    }

    void pressingSelectsAndPublishes() {
        Stage stage;
        auto *group = stage.show(Palette::makeShapeGroup());
        QVERIFY(stage.exposed());
        const auto &buttons = group->buttons();
        QObject observer;
        QList<Shape> heard;
        group->selectedItem().watch(&observer, [&](const Shape &shape) { heard << shape; });
        QCOMPARE(heard, QList<Shape>{Shape::pen});

        // A click on the icon reaches the button under it, and resets a hovered button too.
        buttons[4]->setRadioState(State::hover);
        stage.moveToCentreOf(buttons[2]);
        QCOMPARE(buttons[2]->radioState(), State::hover);
        stage.click(buttons[2]);
        QCOMPARE(statesOf(*group), onlySelected(5, 2));
        QCOMPARE(heard, (QList<Shape>{Shape::pen, Shape::arrow}));

        // The selected button pressed again tells the observers again.
        stage.click(buttons[2]);
        QCOMPARE(heard, (QList<Shape>{Shape::pen, Shape::arrow, Shape::arrow}));
        QCOMPARE(statesOf(*group), onlySelected(5, 2));

        // The overlay selects by index, in palette order (not Shape's raw values).
        group->pressed(1);
        QCOMPARE(statesOf(*group), onlySelected(5, 1));
        QCOMPARE(heard.last(), Shape::line);
        group->pressed(buttons[4]);
        QCOMPARE(heard.last(), Shape::circle);
        QCOMPARE(statesOf(*group), onlySelected(5, 4));
    }

    void tintReachesAHoveredButtonOnlyWithItsNextStyle() {
        Stage stage;
        auto *group = stage.show(Palette::makeShapeGroup());
        QVERIFY(stage.exposed());
        const auto &buttons = group->buttons();
        const QColor red = SystemColors::systemRed();
        const QColor blue = SystemColors::systemBlue();

        Palette::setTint(*group, red);
        stage.moveToCentreOf(buttons[3]);
        QCOMPARE(buttons[3]->radioState(), State::hover);

        Palette::setTint(*group, blue);
        QCOMPARE(buttons[0]->backgroundColor(), blue); // selected
        QCOMPARE(buttons[1]->borderColor(), blue);     // normal
        QCOMPARE(buttons[3]->borderColor(), red);      // hovered: the old ring, dimmed
        QCOMPARE(buttons[3]->imageView()->opacity(), 0.5);

        stage.moveToCentreOf(buttons[1]);
        QCOMPARE(buttons[3]->radioState(), State::normal);
        QCOMPARE(buttons[3]->borderColor(), blue);
        QCOMPARE(buttons[3]->imageView()->opacity(), 1.0);
    }

    void onlyTheArrowHasAModifiedIcon() {
        std::unique_ptr<ShapeRadioButtonGroup> group(Palette::makeShapeGroup());
        auto names = [&] {
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
        Palette::setModified(*group, false);
        QCOMPARE(names(), plain);

        // Every icon is in the resources, and each is loaded only once.
        for (const QString &name : modified + QStringList{"iconArrow-1"}) {
            const SvgImage image = SvgImage::named(name);
            QVERIFY2(!image.isNull(), qPrintable(name));
            QVERIFY(image == SvgImage::named(name));
        }
    }

    void everyStyleChangeIsLogged() {
        std::unique_ptr<ColorRadioButtonGroup> group(Palette::makeColorGroup());
        ColorRadioButton *button = group->buttons()[1];
        QStringList lines;
        DiagnosticLog::setSink([&](const QString &line) { lines << line; });
        button->setRadioState(State::hover);
        button->setRadioState(State::normal);
        DiagnosticLog::setSink([](const QString &) {});
        const QString who = button->description();
        QVERIFY(who.startsWith("<ColorRadioButton: 0x"));
        QCOMPARE(lines, (QStringList{DiagnosticLog::format(DiagnosticLog::Marker::Flagged,
                                                           "RadioButton.h", {who, "hover"}),
                                     DiagnosticLog::format(DiagnosticLog::Marker::Ordinary,
                                                           "RadioButton.h", {who, "normal"})}));
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
        ShapeRadioButton *line = group->buttons()[1];

        const QImage image = renderAt(line, 2.0);
        QCOMPARE(image.size(), QSize(70, 70));
        // The ring is six device pixels wide, solid in its middle.
        for (int x = 1; x < 5; ++x)
            QVERIFY(near(image.pixelColor(x, 35), SystemColors::systemRed()));
        QVERIFY(near(image.pixelColor(8, 35), Qt::white));
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);

        // The diagonal line icon, drawn at device resolution: its stroke has solid dark pixels.
        int dark = 0;
        for (int y = 16; y < 54; ++y)
            for (int x = 16; x < 54; ++x)
                dark += near(image.pixelColor(x, y), QColor(0x26, 0x26, 0x26), 6) ? 1 : 0;
        QVERIFY2(dark > 40, qPrintable(QString::number(dark)));
        // The diagonal runs from bottom left to top right.
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
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        child.setProcessEnvironment(environment);
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
