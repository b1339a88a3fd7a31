// The framework's modal chooser of one existing file or of a folder, behind the entry
// SF_ShowFileDialog. It starts where the last accepted choice was (the application folder at
// first) and hands the choice back as wide text.
#pragma once

#include "skin/ext/SFEntryExt.h"

#include <cstddef>

class QWidget;

// Kept as a named class of the framework; the chooser itself is the function below.
class CSFQTFileDialog
{
public:
    CSFQTFileDialog();
    virtual ~CSFQTFileDialog();
};

// The work of SF_ShowFileDialog (SFEntry.h), with the arguments the chooser reads. The next
// chooser starts at the last accepted choice of this process (a file: in its folder with the
// file selected), the application folder before the first one.
int SFShowFileDialog(SF_FOLDER_RECORD* folderRecord, wchar_t* filePath, std::size_t filePathSize,
                     int openFile, const wchar_t* filter, QWidget* parent);
