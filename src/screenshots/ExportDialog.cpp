#include "screenshots/ExportDialog.h"

#include "drawing/DrawingExport.h"
#include "settings/Preferences.h"

#include <QComboBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

ExportDialog::ExportDialog(PreferenceStore &preferences, const QString &screenshotFolder,
                           Write write, QWidget *parent)
    : QDialog(parent)
    , fileName(new QLineEdit(this))
    , folder(new QPushButton(this))
    , format(new QComboBox(this))
    , m_preferences(preferences)
    , m_write(std::move(write)) {
    //% "Export Drawings"
    setWindowTitle(qtTrId("export.title"));
    setObjectName(QStringLiteral("exportDialog"));
    // Above the overlay, which stays on top of everything else.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowModality(Qt::ApplicationModal);

    //% "Drawing %1"
    fileName->setText(
        qtTrId("export.defaultName")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss"))));
    fileName->selectAll();
    folder->setIcon(style()->standardIcon(QStyle::SP_DirIcon));
    const QString stored = Preferences::exportFolder.value(preferences);
    showFolder(QFileInfo(stored).isDir()     ? stored
               : !screenshotFolder.isEmpty() ? screenshotFolder
                                             : QDir::homePath());
    for (const auto kind : {DrawingExport::Format::pdf, DrawingExport::Format::svg,
                            DrawingExport::Format::png, DrawingExport::Format::quillory})
        format->addItem(DrawingExport::formatTitle(kind), DrawingExport::extension(kind));
    format->setCurrentIndex(
        std::max(0, format->findData(Preferences::exportFormat.value(preferences))));

    auto *form = new QFormLayout;
    //% "File name:"
    auto *nameLabel = new QLabel(qtTrId("export.fileName"), this);
    //% "Folder:"
    auto *folderLabel = new QLabel(qtTrId("export.folder"), this);
    //% "Format:"
    auto *formatLabel = new QLabel(qtTrId("export.format"), this);
    nameLabel->setBuddy(fileName);
    folderLabel->setBuddy(folder);
    formatLabel->setBuddy(format);
    form->addRow(nameLabel, fileName);
    form->addRow(folderLabel, folder);
    form->addRow(formatLabel, format);
    fileName->setAccessibleName(qtTrId("export.fileName").remove(u':'));
    format->setAccessibleName(qtTrId("export.format").remove(u':'));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    //% "Export"
    exportButton = buttons->addButton(qtTrId("export.accept"), QDialogButtonBox::AcceptRole);
    exportButton->setDefault(true);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);

    connect(folder, &QPushButton::clicked, this, &ExportDialog::chooseFolder);
    connect(buttons, &QDialogButtonBox::accepted, this, &ExportDialog::exportNow);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString ExportDialog::path() const {
    QString name = fileName->text().trimmed();
    const QString suffix = u'.' + format->currentData().toString();
    if (!name.endsWith(suffix, Qt::CaseInsensitive))
        name += suffix;
    return QDir(m_folder).filePath(name);
}

void ExportDialog::showFolder(const QString &path) {
    m_folder = path;
    folder->setText(QDir::toNativeSeparators(path));
    //% "Folder: %1"
    folder->setAccessibleName(qtTrId("export.folder.accessible").arg(folder->text()));
}

void ExportDialog::chooseFolder() {
    //% "Choose a Folder for the Export"
    const QString chosen =
        QFileDialog::getExistingDirectory(this, qtTrId("export.folder.title"), m_folder);
    if (!chosen.isEmpty())
        showFolder(chosen);
}

void ExportDialog::exportNow() {
    if (fileName->text().trimmed().isEmpty()) {
        fileName->setFocus();
        return;
    }
    if (QFileInfo::exists(path()) &&
        QMessageBox::question(
            //% "“%1” is there already. Replace it?"
            this, windowTitle(), qtTrId("export.replace").arg(QFileInfo(path()).fileName()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    const QString error = m_write(path());
    if (!error.isEmpty()) {
        //% "The drawings were not exported"
        QMessageBox::warning(this, qtTrId("export.failed"), error);
        return;
    }
    Preferences::exportFolder.set(m_preferences, m_folder);
    Preferences::exportFormat.set(m_preferences, format->currentData().toString());
    accept();
}
