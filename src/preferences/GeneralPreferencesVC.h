#pragma once

#include <QUrl>
#include <QWidget>

#include <functional>
#include <memory>

class PreferenceStore;
class QCheckBox;
class QPushButton;
class QSpinBox;
namespace Ui {
class GeneralPreferencesVC;
}

// The general pane: the screenshot folder, whether Quillory starts at login, whether the
// pointer is highlighted, and how long fading ink stays.
class GeneralPreferencesVC : public QWidget {
    Q_OBJECT
public:
    // The screenshot folder: what is stored (resolved, or empty), how it is chosen (the
    // picker stores and announces a new one) and how it reads.
    struct Folder {
        std::function<QUrl()> saveDestination;
        std::function<QUrl()> choose;
        std::function<QString(const QUrl &)> displayPath;
    };

    GeneralPreferencesVC(PreferenceStore &preferences, Folder folder, QWidget *parent = nullptr);
    ~GeneralPreferencesVC() override;

    QPushButton *btnChooseSaveDestination;
    QCheckBox *btnLaunchAutomatically;
    QCheckBox *btnHighlightCursor;
    QSpinBox *fadeDelay;
    QCheckBox *keepDrawings;

    QUrl saveDestination() const { return m_folder.saveDestination(); }
    // Fills the pane from what is stored and, for start at login, from the autostart entry.
    void viewWillAppear();
    void clickedLaunchAutomatically(QObject *sender = nullptr);
    void clickedChooseSaveDestination(QObject *sender = nullptr);
    void clickedHighlightCursor(QObject *sender = nullptr);
    // Ticks the highlight's box as the highlight was switched from elsewhere.
    void showCursorHighlight(bool on);

Q_SIGNALS:
    // The highlight's box was clicked: the cursor highlight is to show or hide, and the choice
    // to be stored.
    void cursorHighlightChosen(bool on);
    // Another time for fading ink was picked (and stored), in seconds.
    void fadeDelayChosen(qint64 seconds);

private:
    void showFolder(const QUrl &folder);

    std::unique_ptr<Ui::GeneralPreferencesVC> m_ui;
    PreferenceStore &m_preferences;
    Folder m_folder;
};
