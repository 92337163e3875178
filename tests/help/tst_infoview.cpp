#include "help/InfoView.h"
#include "help/LinkyTextView.h"
#include "help/Text.h"
#include "help/TextComposition.h"
#include "overlay/MainWindowController.h"
#include "platform/DiagnosticLog.h"
#include "platform/Localization.h"
#include "platform/NotificationCenter.h"
#include "platform/x11/AppActivation.h"
#include "platform/x11/CompositorWatcher.h"
#include "screens/ScreenDaemon.h"
#include "settings/PreferenceStore.h"

#include <QDir>
#include <QLabel>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

class TestInfoView : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(Localization::install()); }

    // The second text's style wins where both set one; a press finds the link under it.
    void textsJoinAndPressesFindLinks() {
        const QUrl save = rawValue(InfoLink::saveLocation);
        const Text plain(QStringLiteral("plain "), Text::defaultFont(), Qt::red);
        const Text link(QStringLiteral("link"), Text::defaultFont(), Qt::blue, save);
        const TextComposition joined = link + plain;
        QCOMPARE(joined.attributes().foreground().color(), QColor(Qt::red));
        QCOMPARE(joined.attributes().anchorHref(), save.toString());

        LinkyTextView view(plain + link);
        view.resize(300, 40);
        QList<QUrl> clicked;
        view.linkHandler.watch(&view, [&](const QUrl &url) { clicked << url; });
        const qreal linkAt = QFontMetricsF(Text::defaultFont()).horizontalAdvance(plain.string);
        QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(3, 6));
        QVERIFY(clicked.isEmpty());
        QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(int(linkAt) + 5, 6));
        QCOMPARE(clicked, QList<QUrl>{save});
        QCOMPARE(infoLink(QUrl(QStringLiteral("pz://elsewhere"))), std::nullopt);
    }

    // The screenshot row names the folder once there is one; its link runs the picker.
    void screenshotRowFollowsTheFolder() {
        QString folder;
        int picks = 0;
        Handler<Nothing> changed;
        QStringList log;
        DiagnosticLog::setSink([&](const QString &line) { log << line; });
        const auto restore = qScopeGuard([] { DiagnosticLog::setSink({}); });
        InfoView card({[&] { return folder; },
                       [](const QString &path) { return QStringLiteral("~/") + path; },
                       &changed,
                       {}});
        QObject::connect(&card, &InfoView::pickLocationRequested, [&] { ++picks; });
        QCOMPARE(card.screenshotDescription()->plainText(),
                 qtTrId("info.shortcut.screenshot.info") +
                     qtTrId("info.shortcut.screenshot.info.select"));
        folder = QStringLiteral("Shots");
        changed.notify();
        QVERIFY(card.screenshotDescription()->plainText().endsWith(QStringLiteral("in ~/Shots")));
        QVERIFY(log.last().endsWith(QStringLiteral("Screenshot URL updated: ") +
                                    card.screenshotDescription()->plainText()));
        card.screenshotDescription()->linkHandler.notify(rawValue(InfoLink::saveLocation));
        QTRY_COMPARE(picks, 1);
    }

    // 500 wide where there is room; title and footer span the 460 inside the margins, rows
    // are 390, and the title stands 30 above the first row. In each language every key stands
    // clear of its description ("Esc Esc" and "Strg+C" once touched it).
    void cardMeasures() {
        const auto restore = qScopeGuard([] { Localization::install(); });
        for (const QString &table : QDir(u":/i18n"_qs).entryList()) {
            QVERIFY(Localization::install({table.mid(5).chopped(3)}));
            QWidget overlay;
            overlay.resize(1280, 680);
            InfoView card({});
            card.show();
            QVERIFY(QTest::qWaitForWindowExposed(&card));
            QCOMPARE(card.width(), 500);
            const QWidget *title = card.mainStack->itemAt(0)->widget();
            const QWidget *row = card.screenshotDescription()->parentWidget();
            QCOMPARE(title->width(), 460);
            QCOMPARE(card.mainStack->itemAt(card.mainStack->count() - 1)->widget()->width(), 460);
            QCOMPARE(row->width(), 390);
            const QWidget *firstRow = card.mainStack->itemAt(2)->widget();
            QCOMPARE(firstRow->y() - title->geometry().bottom() - 1, 30);
            for (const QLabel *key : card.findChildren<QLabel *>()) {
                const QWidget *description = key->parentWidget()->findChild<LinkyTextView *>();
                for (const QString &line : key->text().split(u'\n'))
                    QVERIFY2(!description ||
                                 key->x() + key->fontMetrics().horizontalAdvance(line) + 8 <=
                                     description->x(),
                             qPrintable(table + u": "_qs + line));
            }
            // On an overlay too short for it, the card grows wider rather than past its edges.
            card.setParent(&overlay);
            QVERIFY2(card.width() > 500 && card.height() <= 680, qPrintable(table));
        }
    }

    // A press on the card's text neither draws nor hides it; one on its margin draws, like one
    // beside it, and puts the card aside until the overlay is shown again.
    void pressesOnTheTextStayThere() {
        QTemporaryDir dir;
        PreferenceStore preferences(dir.path() + QStringLiteral("/preferences.plist"));
        AppActivation activation;
        ScreenDaemon screens([] { return true; });
        CompositorWatcher compositor;
        NotificationCenter notifications;
        DrawingHooks hooks;
        MainWindowController overlay({preferences, screens, compositor, notifications, hooks},
                                     activation);
        DrawingView *view = overlay.contentViewController().view();
        auto *card = new InfoView({});
        view->setInfoView(card);
        overlay.window()->resize(1200, 900);
        overlay.window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(overlay.window()));
        QCOMPARE(card->geometry().center(), view->rect().center());
        QWindow *window = overlay.window()->windowHandle();
        const auto drag = [window](QPoint at) {
            QTest::mousePress(window, Qt::LeftButton, {}, at);
            QTest::mouseMove(window, at + QPoint(40, 40));
            QTest::mouseRelease(window, Qt::LeftButton, {}, at + QPoint(40, 40));
        };
        drag(card->screenshotDescription()->mapTo(view, QPoint(2, 2)));
        QVERIFY(overlay.contentViewController().model.drawings.value().empty());
        QVERIFY(card->isVisible());

        drag(card->geometry().topLeft() + QPoint(5, 5));
        QCOMPARE(overlay.contentViewController().model.drawings.value().size(), 1u);
        QVERIFY(!card->isVisible());
        overlay.window()->hide();
        overlay.window()->show();
        QVERIFY(card->isVisible());
    }
};

QTEST_MAIN(TestInfoView)
#include "tst_infoview.moc"
