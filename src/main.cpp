#include "drawing/DrawingHooks.h"
#include "drawing/MainWindowController.h"
#include "platform/AppActivation.h"
#include "platform/DiagnosticLog.h"
#include "platform/Localization.h"
#include "screens/ScreenDaemon.h"
#include "settings/PreferenceStore.h"

#include <QApplication>

// The composition root: creates the controllers of every layer and wires the channels that
// lower layers own to the code of the higher ones.
int main(int argc, char *argv[]) {
    QApplication::setApplicationName(QStringLiteral("Quillory"));
    QApplication::setOrganizationName(QStringLiteral("Quillory"));
    QApplication::setDesktopFileName(QStringLiteral("quillory"));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication app(argc, argv);
    Localization::install();

    AppActivation &activation = AppActivation::shared();
    ScreenDaemon &screens = ScreenDaemon::shared();
    QObject::connect(&activation, &AppActivation::didBecomeActive, &screens, &ScreenDaemon::start);
    QObject::connect(&activation, &AppActivation::didResignActive, &screens, &ScreenDaemon::stop);

    DrawingHooks &hooks = DrawingHooks::shared();
    hooks.screenChanged = &screens.screenChanged;
    hooks.hideApplication = [&activation] { activation.hide(); };

    MainWindowController overlay(PreferenceStore::standard(), screens, hooks);
    overlay.showWindow();
    QLOG("Quillory started");
    return app.exec();
}
