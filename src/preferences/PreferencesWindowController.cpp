#include "preferences/PreferencesWindowController.h"

#include "platform/x11/WindowHints.h"

#include <QVBoxLayout>

PreferencesWindowController::PreferencesWindowController(PreferenceStore &preferences,
                                                         GeneralPreferencesVC::Folder folder,
                                                         QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
    , m_general(new GeneralPreferencesVC(preferences, std::move(folder), this)) {
    setObjectName(QStringLiteral("PreferencesWindowController"));
    //% "Quillory Preferences"
    setWindowTitle(qtTrId("preferences.title"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_general);
    setMinimumWidth(440);
}

void PreferencesWindowController::showWindow() {
    m_general->viewWillAppear();
    if (!isVisible()) {
        adjustSize();
        show();
        // Wherever the user is: on every desktop, like the overlay.
        WindowHints::joinAllDesktops(winId());
    }
    raise();
    activateWindow();
}
