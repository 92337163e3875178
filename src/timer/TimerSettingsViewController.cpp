#include "timer/TimerSettingsViewController.h"

#include "platform/DiagnosticLog.h"
#include "platform/FatalError.h"
#include "settings/Preferences.h"
#include "timer/TimerSettings.h"
#include "timer/TimerViewController.h"
#include "ui_TimerSettingsViewController.h"
#include "widgets/ColorWell.h"

#include <QKeyEvent>

TimerSettingsViewController::TimerSettingsViewController(PreferenceStore &preferences,
                                                         QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::TimerSettingsViewController>())
    , m_preferences(preferences) {
    m_ui->setupUi(this);
    stepperMinutes = m_ui->stepperMinutes;
    txtFieldMessage = m_ui->txtFieldMessage;
    colorWell = m_ui->colorWell;
    btnSave = m_ui->btnSave;
    if (!stepperMinutes || !txtFieldMessage || !colorWell || !btnSave)
        QUILLORY_FATAL(QStringLiteral("the timer settings' outlets are not connected"));

    m_ui->title->setText(QStringLiteral("<b>%1</b>").arg(qtTrId("timer.settings.title")));
    //% "Minutes:"
    m_ui->minutesLabel->setText(qtTrId("timer.settings.minutes"));
    //% "Message:"
    m_ui->messageLabel->setText(qtTrId("timer.settings.message"));
    //% "Colour:"
    m_ui->colorLabel->setText(qtTrId("timer.settings.color"));
    //% "Save"
    btnSave->setText(qtTrId("timer.settings.save"));
    // What a screen reader names the fields: their labels without the colon.
    //% "Minutes"
    stepperMinutes->setAccessibleName(qtTrId("timer.settings.minutes.accessible"));
    //% "Message"
    txtFieldMessage->setAccessibleName(qtTrId("timer.settings.message.accessible"));
    //% "Text colour"
    colorWell->setAccessibleName(qtTrId("timer.settings.color.accessible"));
    connect(btnSave, &QPushButton::clicked, this, [this] { clickedSave(btnSave); });
}

TimerSettingsViewController::~TimerSettingsViewController() = default;

void TimerSettingsViewController::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    viewWillAppear();
}

void TimerSettingsViewController::viewWillAppear() {
    const qint64 minutes = TimerSettings::storedTimerMinutes(m_preferences);
    stepperMinutes->setValue(static_cast<int>(
        std::clamp<qint64>(minutes, stepperMinutes->minimum(), stepperMinutes->maximum())));
    colorWell->setColor(TimerSettings::storedTimerColor(m_preferences));
    txtFieldMessage->setText(TimerSettings::storedTimerMessage(m_preferences));
    stepperMinutes->setFocus(Qt::OtherFocusReason);
    stepperMinutes->selectAll();
}

void TimerSettingsViewController::clickedSave(QObject *) {
    // A number typed but not yet confirmed counts.
    stepperMinutes->interpretText();
    bool stored = TimerSettings::storeTimerColor(m_preferences, colorWell->color());
    stored &= Preferences::timerMinutes.set(m_preferences, stepperMinutes->value());
    stored &= Preferences::timerMessage.set(m_preferences, txtFieldMessage->text());
    if (!stored)
        QLOG_ERROR(
            "The timer settings could not be written to disk; they hold until Quillory quits");
    if (TimerViewController *countdown = TimerViewController::currentTimerViewController)
        countdown->setupTimer();
}

void TimerSettingsViewController::keyPressEvent(QKeyEvent *event) {
    // Return in the minutes or the message saves, as the default button of a dialog would.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        clickedSave(btnSave);
        return;
    }
    QWidget::keyPressEvent(event);
}
