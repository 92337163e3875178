#pragma once

#include <QWidget>

#include <memory>

class ColorWell;
class PreferenceStore;
class QLineEdit;
class QPushButton;
class QSpinBox;
namespace Ui {
class TimerSettingsViewController;
}

// The countdown's settings: minutes, message and text colour. Save stores them and restarts
// the countdown; the panel is refilled from the store each time it appears, so edits that
// were not saved are gone when it opens again.
class TimerSettingsViewController : public QWidget {
    Q_OBJECT
public:
    explicit TimerSettingsViewController(PreferenceStore &preferences, QWidget *parent = nullptr);
    ~TimerSettingsViewController() override;

    // The minutes, typed or stepped (a typed number counts once the field is left or Save is
    // pressed), are what Save stores.
    QSpinBox *stepperMinutes = nullptr;
    QLineEdit *txtFieldMessage = nullptr;
    ColorWell *colorWell = nullptr;
    QPushButton *btnSave = nullptr;

    void viewWillAppear();
    void clickedSave(QObject *sender = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::unique_ptr<Ui::TimerSettingsViewController> m_ui;
    PreferenceStore &m_preferences;
};
