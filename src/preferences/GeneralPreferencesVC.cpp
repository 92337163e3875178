#include "preferences/GeneralPreferencesVC.h"

#include "platform/FatalError.h"
#include "platform/Session.h"
#include "preferences/LaunchOnStartup.h"
#include "settings/Preferences.h"
#include "ui_GeneralPreferencesVC.h"

#include <QCheckBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>

GeneralPreferencesVC::GeneralPreferencesVC(PreferenceStore &preferences, Folder folder,
                                           QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::GeneralPreferencesVC>())
    , m_preferences(preferences)
    , m_folder(std::move(folder)) {
    m_ui->setupUi(this);
    btnChooseSaveDestination = m_ui->btnChooseSaveDestination;
    btnLaunchAutomatically = m_ui->btnLaunchAutomatically;
    btnHighlightCursor = m_ui->btnHighlightCursor;
    fadeDelay = m_ui->fadeDelay;
    if (!btnChooseSaveDestination || !btnLaunchAutomatically || !btnHighlightCursor || !fadeDelay)
        QUILLORY_FATAL(QStringLiteral("the general pane's outlets are not connected"));
    //% "Save screenshots in:"
    m_ui->saveDestinationLabel->setText(qtTrId("preferences.folder.label"));
    //% "Start Quillory at login"
    btnLaunchAutomatically->setText(qtTrId("preferences.startAtLogin"));
    //% "Highlight the pointer"
    btnHighlightCursor->setText(qtTrId("preferences.highlightCursor"));
    btnHighlightCursor->setAccessibleName(btnHighlightCursor->text());
    if (Session::isWayland()) {
        //% "In a Wayland session the highlight shows only over X11 windows: over Wayland "
        //% "windows Quillory cannot see the pointer."
        auto *limit = new QLabel(qtTrId("preferences.highlightCursor.wayland"), this);
        limit->setWordWrap(true);
        limit->setForegroundRole(QPalette::PlaceholderText);
        btnHighlightCursor->setAccessibleDescription(limit->text());
        m_ui->form->insertRow(3, static_cast<QWidget *>(nullptr), limit);
    }
    btnChooseSaveDestination->setIcon(style()->standardIcon(QStyle::SP_DirIcon));
    //% "Fading ink goes after:"
    m_ui->fadeDelayLabel->setText(qtTrId("preferences.fadeDelay.label"));
    const auto [fewest, most] = Preferences::fadingInkSecondsRange;
    fadeDelay->setRange(int(fewest), int(most));
    //% " s"
    fadeDelay->setSuffix(qtTrId("preferences.fadeDelay.suffix"));
    //% "Seconds until fading ink is gone"
    fadeDelay->setAccessibleName(qtTrId("preferences.fadeDelay.accessible"));
    connect(fadeDelay, &QSpinBox::valueChanged, this, [this](int seconds) {
        Preferences::fadingInkSeconds.set(m_preferences, seconds);
        Q_EMIT fadeDelayChosen(seconds);
    });
    //% "Keep drawings when Quillory quits"
    keepDrawings = new QCheckBox(qtTrId("preferences.keepDrawings"), this);
    keepDrawings->setObjectName(QStringLiteral("keepDrawings"));
    keepDrawings->setAccessibleName(keepDrawings->text());
    //% "Otherwise they are kept only when Quillory ends without quitting "
    //% "(a crash, a lost display)."
    keepDrawings->setToolTip(qtTrId("preferences.keepDrawings.detail"));
    keepDrawings->setAccessibleDescription(keepDrawings->toolTip());
    m_ui->form->addRow(keepDrawings);
    connect(keepDrawings, &QCheckBox::clicked, this,
            [this](bool on) { Preferences::keepDrawings.set(m_preferences, on); });
    connect(btnChooseSaveDestination, &QPushButton::clicked, this,
            [this] { clickedChooseSaveDestination(btnChooseSaveDestination); });
    connect(btnLaunchAutomatically, &QCheckBox::clicked, this,
            [this] { clickedLaunchAutomatically(btnLaunchAutomatically); });
    connect(btnHighlightCursor, &QCheckBox::clicked, this,
            [this] { clickedHighlightCursor(btnHighlightCursor); });
}

GeneralPreferencesVC::~GeneralPreferencesVC() = default;

void GeneralPreferencesVC::showFolder(const QUrl &folder) {
    //% "Choose a folder…"
    const QString text =
        folder.isEmpty() ? qtTrId("preferences.folder.none") : m_folder.displayPath(folder);
    btnChooseSaveDestination->setText(text);
    btnChooseSaveDestination->setAccessibleName(
        //% "Screenshot folder: %1"
        qtTrId("preferences.folder.accessible").arg(text));
}

void GeneralPreferencesVC::viewWillAppear() {
    showFolder(saveDestination());
    // The desktop's own autostart settings may have changed the entry since.
    const bool on = LaunchOnStartup::followEntry(m_preferences);
    const QSignalBlocker quiet(btnLaunchAutomatically);
    btnLaunchAutomatically->setChecked(on);
    showCursorHighlight(Preferences::cursorHighlight.value(m_preferences));
    const QSignalBlocker quietKeep(keepDrawings);
    keepDrawings->setChecked(Preferences::keepDrawings.value(m_preferences));
    const QSignalBlocker quietDelay(fadeDelay);
    fadeDelay->setValue(int(Preferences::fadingInkDelay(m_preferences)));
}

void GeneralPreferencesVC::clickedLaunchAutomatically(QObject *) {
    const bool wanted = btnLaunchAutomatically->isChecked();
    // What is on disk, which an unwritable autostart folder may keep from the click.
    const bool on = LaunchOnStartup::setLaunchAtStartup(wanted);
    Preferences::loginStartStatus.set(m_preferences, on);
    if (on != wanted) {
        const QSignalBlocker quiet(btnLaunchAutomatically);
        btnLaunchAutomatically->setChecked(on);
    }
}

void GeneralPreferencesVC::clickedChooseSaveDestination(QObject *) {
    const QUrl chosen = m_folder.choose ? m_folder.choose() : QUrl();
    if (chosen.isEmpty())
        return; // cancelled: nothing changes
    showFolder(saveDestination());
}

void GeneralPreferencesVC::clickedHighlightCursor(QObject *) {
    Q_EMIT cursorHighlightChosen(btnHighlightCursor->isChecked());
}

void GeneralPreferencesVC::showCursorHighlight(bool on) {
    btnHighlightCursor->setChecked(on); // no `clicked`: nothing is switched again
}
