#include "timer/TimerWindowController.h"

#include "platform/DiagnosticLog.h"
#include "platform/x11/AppActivation.h"
#include "timer/TimerViewController.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

TimerWindowController::TimerWindowController(Collaborators collaborators, QObject *parent)
    : QObject(parent)
    , m_collaborators(std::move(collaborators)) {}

TimerWindowController::~TimerWindowController() = default;

void TimerWindowController::loadWindow() {
    m_window = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::FramelessWindowHint |
                                                      Qt::WindowStaysOnTopHint);
    m_window->setObjectName(QStringLiteral("TimerWindowController"));
    //% "Presentation Timer"
    m_window->setWindowTitle(qtTrId("timer.window.title"));
    auto *layout = new QVBoxLayout(m_window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    m_content = new TimerViewController(m_collaborators.preferences, m_window.get());
    connect(m_content, &TimerViewController::closed, this, &TimerWindowController::closed);
    layout->addWidget(m_content);
    m_window->installEventFilter(this);

    connect(&m_primary, &PrimaryScreenWatcher::changed, this, [this] {
        if (m_window->isVisible())
            place();
    });
}

void TimerWindowController::place() {
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    if (m_window->windowHandle())
        m_window->windowHandle()->setScreen(screen);
    m_window->setGeometry(screen->geometry());
    // Without a window manager full-screen state means nothing; the geometry above does it.
    m_window->showFullScreen();
}

void TimerWindowController::showWindow(QObject *) {
    if (!m_window)
        loadWindow();
    m_content->viewWillAppear();
    place();
    m_window->raise();
    m_collaborators.activation.activate(m_window.get());
    QLOG("Countdown shown on", QGuiApplication::primaryScreen()
                                   ? QGuiApplication::primaryScreen()->name()
                                   : QStringLiteral("no screen"));
}

bool TimerWindowController::eventFilter(QObject *watched, QEvent *event) {
    // Closed by the window manager (Alt+F4): the same ending as Escape.
    if (watched == m_window.get() && event->type() == QEvent::Close) {
        event->ignore();
        m_content->closeTimer();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
