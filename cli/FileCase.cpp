#include "cli/FileCase.h"

#include "core/Catalogue.h"
#include "core/DataFile.h"
#include "core/Errors.h"
#include "core/FileReading.h"
#include "core/InputForm.h"
#include "core/ShownValues.h"

namespace korvane {

namespace {

// What pressing "計　算" (or a deck-choice command) does with the form: read it, pre-check
// it (the work-load field's conversion error refuses like a failed check), calculate.
void CalculateForm(const InputForm &form, PreCheckOf preCheck, FileCase &fileCase) {
    fileCase.record = form.ReadCase();
    try {
        fileCase.refusal =
            preCheck == PreCheckOf::calculation ? form.PreCheck() : form.PreCheckConditions();
    } catch (const ConversionError &error) {
        fileCase.refusal =
            PreCheckFailure{kWorkLoadConversionCheck, error.what(), InputField::workLoad, {}};
    }
    if (!fileCase.refusal)
        fileCase.result = CalculateCase(fileCase.record);
}

} // namespace

FileCase CalculateDefaultCase(PreCheckOf preCheck) {
    FileCase fileCase;
    fileCase.read = DefaultDesignCase();
    InputForm form;
    fileCase.notices = form.ShowCase(fileCase.read);
    CalculateForm(form, preCheck, fileCase);
    return fileCase;
}

FileCase CalculateFile(const std::string &path, PreCheckOf preCheck) {
    DataFileCase opened = ReadDataFile(path);
    FileCase fileCase;
    fileCase.file = DisplayPath(path);
    fileCase.read = opened.record;
    fileCase.warnings = std::move(opened.warnings);
    InputForm form;
    fileCase.notices = form.OpenCase(opened.record);
    CalculateForm(form, preCheck, fileCase);
    for (std::string &warning : ValuesShownOtherwise(fileCase.read, fileCase.record))
        fileCase.warnings.push_back(std::move(warning));
    return fileCase;
}

} // namespace korvane
