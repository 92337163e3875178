#include "platform/DiagnosticLog.h"
#include "platform/Localization.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication::setApplicationName(QStringLiteral("Quillory"));
    QApplication::setOrganizationName(QStringLiteral("Quillory"));
    QApplication::setDesktopFileName(QStringLiteral("quillory"));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication app(argc, argv);
    Localization::install();
    QLOG("Quillory started");
    return app.exec();
}
