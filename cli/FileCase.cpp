#include "cli/FileCase.h"

#include "core/DataFile.h"
#include "core/Errors.h"


namespace korvane {

FileCase CalculateCase(const CInputData &record)
{
    FileCase fileCase;
    fileCase.record = record;
    fileCase.refusal = CheckRecordCodes(record);
    if (!fileCase.refusal)
        fileCase.refusal = PreCheck(record, WorkLoadEntryOf(record));
    if (fileCase.refusal)
        return fileCase;
    fileCase.result = Calculate(record);
    fileCase.verdicts = EvaluateChecks(record, fileCase.result);
    return fileCase;
}

FileCase CalculateFile(const std::string &path)
{
    CInputData record;
    try {
        record.ReadLines(LoadDataFileLines(path));
    } catch (const ConversionError &error) {
        throw ConversionError("ファイル \"" + path + "\" の単位重量の行を読めません。(" +
                              error.what() + ")");
    }
    FileCase fileCase = CalculateCase(record);
    fileCase.file = path;
    return fileCase;
}

} // namespace korvane
