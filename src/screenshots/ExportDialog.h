#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class PreferenceStore;
class QComboBox;
class QLineEdit;
class QPushButton;

// Ctrl+E on the overlay and `quillory --action export`: a file name, a folder (the screenshot
// folder at first, then the one last used) and a format (the last used). Export writes the file
// and closes; a failure says why and leaves the dialog open.
class ExportDialog : public QDialog {
    Q_OBJECT
public:
    // Writes the drawings to a path: empty when done, or why not.
    using Write = std::function<QString(const QString &path)>;
    ExportDialog(PreferenceStore &preferences, const QString &screenshotFolder, Write write,
                 QWidget *parent = nullptr);

    QLineEdit *fileName;
    QPushButton *folder;
    QComboBox *format;
    QPushButton *exportButton;

    // The file the fields name, with the format's extension.
    QString path() const;

private:
    void chooseFolder();
    void showFolder(const QString &path);
    void exportNow();

    PreferenceStore &m_preferences;
    Write m_write;
    QString m_folder;
};
