#include "skin/ext/SFQTFileDialog.h"

#include "skin/SFQTControlHelpers.h"
#include "skin/SFSkinString.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace {

// Process-wide: the application folder from the first chooser on, then each accepted choice.
QString& LastLocation()
{
    static QString s_last;
    if (s_last.isEmpty())
        s_last = QCoreApplication::applicationDirPath();
    return s_last;
}

// Starts the dialog at the last location. A file there starts the dialog in its folder with
// the file selected: the toolkit, handed the file path as the directory, shows an empty list.
void StartAtLastLocation(QFileDialog& dialog, bool selectFile)
{
    const QFileInfo last(LastLocation());
    if (last.isDir() || last.fileName().isEmpty()) {
        dialog.setDirectory(LastLocation());
        return;
    }
    dialog.setDirectory(last.absolutePath());
    if (selectFile)
        dialog.selectFile(last.fileName());
}

// The first selected entry of an accepted dialog, empty otherwise.
QString RunForChoice(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

}  // namespace

CSFQTFileDialog::CSFQTFileDialog() = default;

CSFQTFileDialog::~CSFQTFileDialog() = default;

int SFShowFileDialog(SF_FOLDER_RECORD* folderRecord, wchar_t* filePath, std::size_t filePathSize,
                     int openFile, const wchar_t* filter, QWidget* parent)
{
    const bool open = openFile != 0;
    if (open)
        qDebug() << "SF_ShowFileDialog:" << LastLocation() << (filter ? WideToQString(filter) : QString());

    QFileDialog dialog(parent);
    StartAtLastLocation(dialog, open);
    if (open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::ReadOnly);
        if (filter)
            dialog.setNameFilter(WideToQString(filter));
    } else {
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks |
                          QFileDialog::DontUseNativeDialog);
    }
    const QString chosen = RunForChoice(dialog);
    if (chosen.isEmpty())
        return 0;
    if (!open && !folderRecord) {
        // Without a record the choice still becomes the next start (kept on purpose).
        LastLocation() = chosen;
        return 0;
    }
    wchar_t* out = open ? filePath : folderRecord->folder;
    const std::size_t outSize = open ? filePathSize : SF_FOLDER_RECORD_TEXT_CHARS;
    // Nothing changes unless the whole path fits: a cut path names another file.
    if (!CopyWideWhole(QStringToWide(chosen), out, outSize))
        return 0;
    LastLocation() = chosen;
    return 1;
}
