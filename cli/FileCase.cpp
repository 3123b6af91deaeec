#include "cli/FileCase.h"

#include "core/DataFile.h"
#include "core/FileReading.h"

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
    DataFileCase read = ReadDataFile(path);
    FileCase fileCase = CalculateCase(read.record);
    fileCase.file = DisplayPath(path);
    fileCase.warnings = std::move(read.warnings);
    return fileCase;
}

} // namespace korvane
