#include "timer/TimerViewController.h"

#include "platform/DiagnosticLog.h"
#include "platform/FatalError.h"
#include "timer/TimeLabel.h"
#include "timer/TimerBackground.h"
#include "timer/TimerSettings.h"
#include "timer/TimerSettingsViewController.h"
#include "ui_TimerViewController.h"
#include "widgets/PopoverPanel.h"

#include <QApplication>
#include <QFontMetrics>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace {

// The settings gear in the text colour of the buttons, sharp at the screen's pixel ratio.
QIcon tintedIcon(const QString &file, const QColor &color, int size, qreal ratio) {
    QPixmap pixmap = QIcon(file).pixmap(QSize(size, size), ratio);
    QPainter painter(&pixmap);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(pixmap.rect(), color);
    painter.end();
    return QIcon(pixmap);
}

} // namespace

TimerViewController::TimerViewController(PreferenceStore &preferences, QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::TimerViewController>())
    , m_preferences(preferences) {
    m_ui->setupUi(this);
    bgImage = m_ui->bgImage;
    lblMessage = m_ui->lblMessage;
    lblTime = m_ui->lblTime;
    btnSetting = m_ui->btnSetting;
    btnReset = m_ui->btnReset;
    btnPause = m_ui->btnPause;
    if (!bgImage || !lblMessage || !lblTime || !btnSetting || !btnReset || !btnPause)
        QUILLORY_FATAL(QStringLiteral("the countdown's outlets are not connected"));

    btnSetting->setToolTip(
        //% "Timer Settings"
        qtTrId("timer.settings.title"));
    btnSetting->setAccessibleName(btnSetting->toolTip());
    //% "Reset"
    btnReset->setText(qtTrId("timer.reset"));
    // The settings keep to the corner, Reset and Pause to the middle.
    m_ui->controls->setAlignment(btnSetting, Qt::AlignLeft);
    for (QPushButton *button : {btnSetting, btnReset, btnPause}) {
        button->setCursor(Qt::PointingHandCursor);
        button->setAutoDefault(false);
    }
    connect(btnSetting, &QPushButton::clicked, this, [this] { clickedSetting(btnSetting); });
    connect(btnReset, &QPushButton::clicked, this, [this] { clickedReset(btnReset); });
    connect(btnPause, &QPushButton::clicked, this, [this] { clickedPause(btnPause); });

    popOverSettings = new PopoverPanel(this);
    popOverSettings->setObjectName(QStringLiteral("popOverSettings"));
    popOverSettings->setWindowTitle(btnSetting->toolTip());
    settingsViewController = new TimerSettingsViewController(m_preferences);
    popOverSettings->setContent(settingsViewController);

    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, this, [this] {
        ++m_ticks;
        timerRun();
        if (m_ticking)
            scheduleTick();
    });

    currentTimerViewController = this;
    // Escape on the countdown, seen before any widget handles it.
    qApp->installEventFilter(this);
    restyle();
}

TimerViewController::~TimerViewController() = default;

void TimerViewController::viewWillAppear() {
    setupTimer();
    btnPause->setFocus(Qt::OtherFocusReason);
}

void TimerViewController::setupTimer() {
    m_textColor = TimerSettings::storedTimerColor(m_preferences);
    lblMessage->setText(TimerSettings::storedTimerMessage(m_preferences));
    lblTime->setReading(TimerSettings::secondsIn(TimerSettings::storedTimerMinutes(m_preferences)));
    bgImage->setTextColor(m_textColor);
    restyle();
    //% "Pause"
    btnPause->setText(qtTrId("timer.pause"));
    countSeconds = 0;
    isPaused = false;

    stopTicking();
    m_ticking = true;
    m_ticks = 0;
    m_started.start();
    scheduleTick();
}

void TimerViewController::scheduleTick() {
    const qint64 due = (m_ticks + 1) * 1000 - m_started.elapsed();
    timer.start(static_cast<int>(std::clamp<qint64>(due, 0, 1000)));
}

void TimerViewController::stopTicking() {
    m_ticking = false;
    timer.stop();
}

void TimerViewController::timerRun() {
    if (isPaused)
        return;
    ++countSeconds;
    const qint64 remaining =
        TimerSettings::secondsIn(TimerSettings::storedTimerMinutes(m_preferences)) - countSeconds;
    if (remaining <= 0) {
        closeTimer();
        return;
    }
    lblTime->setReading(remaining);
}

void TimerViewController::togglePause() {
    if (isPaused) {
        btnPause->setText(qtTrId("timer.pause"));
        isPaused = false;
    } else {
        //% "Play"
        btnPause->setText(qtTrId("timer.play"));
        isPaused = true;
    }
}

void TimerViewController::clickedPause(QObject *) {
    togglePause();
}

void TimerViewController::clickedReset(QObject *) {
    countSeconds = 0;
    lblTime->setReading(TimerSettings::secondsIn(TimerSettings::storedTimerMinutes(m_preferences)));
    isPaused = false;
    togglePause();
}

void TimerViewController::clickedSetting(QObject *) {
    const QRect anchor(btnSetting->mapToGlobal(QPoint(0, 0)), btnSetting->size());
    popOverSettings->showRelativeTo(anchor, PopoverPanel::Edge::right);
}

QKeyEvent *TimerViewController::handleKeyDown(QKeyEvent *event, QObject *receiver) {
    const bool onCountdown = receiver && receiver->isWidgetType() &&
                             static_cast<QWidget *>(receiver)->window() == window();
    if (event->key() == Qt::Key_Escape && onCountdown && window()->isVisible())
        closeTimer();
    return event;
}

bool TimerViewController::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress)
        handleKeyDown(static_cast<QKeyEvent *>(event), watched);
    return false;
}

void TimerViewController::closeTimer() {
    stopTicking();
    popOverSettings->closePopover();
    window()->hide();
    QLOG("Countdown closed");
    Q_EMIT closed();
}

void TimerViewController::hideEvent(QHideEvent *event) {
    QWidget::hideEvent(event);
    stopTicking();
}

void TimerViewController::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    restyle();
}

void TimerViewController::restyle() {
    // Readable from the back of the room: the time as large as the panel allows for a reading
    // of up to eight characters ("10:59:59"), the message and the buttons to scale.
    const int w = std::max(width(), 320);
    const int h = std::max(height(), 200);
    QFont timeFont = font();
    timeFont.setPixelSize(std::max(24, std::min(h * 28 / 100, w * 17 / 100)));
    timeFont.setWeight(QFont::DemiBold);
    lblTime->setFont(timeFont);
    QFont messageFont = font();
    messageFont.setPixelSize(std::max(16, std::min(h * 6 / 100, w * 4 / 100)));
    lblMessage->setFont(messageFont);

    const bool dark = bgImage->isDark();
    const QColor ink = dark ? QColor(255, 255, 255, 235) : QColor(0, 0, 0, 215);
    const int buttonPx = std::max(13, h * 22 / 1000);
    const int padding = buttonPx / 2 + 4;
    QFont buttonFont = font();
    buttonFont.setPixelSize(buttonPx);
    for (QPushButton *button : {btnSetting, btnReset, btnPause})
        button->setFont(buttonFont);
    // Pause and Play take the same room, so that the buttons stand still when it changes.
    const QFontMetrics metrics(buttonFont);
    btnPause->setMinimumWidth(std::max(metrics.horizontalAdvance(qtTrId("timer.pause")),
                                       metrics.horizontalAdvance(qtTrId("timer.play"))) +
                              4 * padding);
    const auto rgba = [dark](int alpha) {
        return dark ? QStringLiteral("rgba(255,255,255,%1)").arg(alpha)
                    : QStringLiteral("rgba(0,0,0,%1)").arg(alpha * 7 / 10);
    };
    bgImage->setStyleSheet(
        QStringLiteral("QLabel { color: %8; }"
                       " QPushButton { color: %1; background: %2; border: 1px solid %3;"
                       " border-radius: %4px; padding: %5px %6px; }"
                       " QPushButton:hover { background: %3; }"
                       " QPushButton:pressed { background: %7; }"
                       " QPushButton:focus { border: 2px solid %1; }")
            .arg(ink.name(QColor::HexArgb), rgba(26), rgba(48))
            .arg(padding)
            .arg(buttonPx / 2)
            .arg(buttonPx)
            .arg(rgba(70), m_textColor.name(QColor::HexArgb)));
    m_ui->controls->setHorizontalSpacing(buttonPx);
    m_ui->panel->setContentsMargins(buttonPx * 2, buttonPx * 2, buttonPx * 2, buttonPx * 2);
    const int iconPx = buttonPx * 5 / 4;
    btnSetting->setIcon(
        tintedIcon(QStringLiteral(":/icons/iconSettings.svg"), ink, iconPx, devicePixelRatioF()));
    btnSetting->setIconSize(QSize(iconPx, iconPx));
}
