#include "ui/main/CaseFileCommands.h"

#include "core/DataFile.h"
#include "core/ShownValues.h"
#include "ui/MessageSeam.h"
#include "ui/files/DesignCaseFiles.h"
#include "ui/main/MainWindow.h"

#include <QFile>

#include <utility>

namespace korvane {

void OpenDesignCase(MainWindow &form, DesignCaseFiles &files) {
    const QString chosen = files.ChooseFileToOpen();
    if (chosen.isEmpty())
        return;
    OpenDesignCaseFile(form, files, QFile::encodeName(chosen).toStdString());
}

void OpenDesignCaseFile(MainWindow &form, DesignCaseFiles &files, const std::string &path) {
    DataFileCase opened = files.OpenDataFile(form, path);
    form.OpenCase(opened.record);
    // What the window shows otherwise than the file gives it is calculated as shown: said.
    for (std::string &warning : ValuesShownOtherwise(opened.record, form.ReadCase()))
        opened.warnings.push_back(std::move(warning));
    if (!opened.warnings.empty())
        ShowMessage(&form, ReadingWarningsMessage(files.lastOpenName, opened.warnings));
}

void SaveDesignCase(MainWindow &form, DesignCaseFiles &files) {
    files.fileLines.clear();
    form.ReadCase().WriteLines(files.fileLines);
    files.SaveDataFile();
}

} // namespace korvane
