#include "cli/FileCase.h"

#include "core/Catalogue.h"
#include "core/DataFile.h"
#include "core/Errors.h"
#include "core/FileReading.h"
#include "core/InputForm.h"

namespace korvane {

namespace {

// What pressing "計　算" does with the form: read it, pre-check it (the work-load field's
// conversion error refuses like a failed check), calculate.
void CalculateForm(const InputForm &form, FileCase &fileCase) {
    fileCase.record = form.ReadCase();
    try {
        fileCase.refusal = form.PreCheck();
    } catch (const ConversionError &error) {
        fileCase.refusal =
            PreCheckFailure{kWorkLoadConversionCheck, error.what(), InputField::workLoad, {}};
    }
    if (!fileCase.refusal)
        fileCase.result = CalculateCase(fileCase.record);
}

} // namespace

FileCase CalculateDefaultCase() {
    FileCase fileCase;
    fileCase.read = DefaultDesignCase();
    InputForm form;
    fileCase.notices = form.ShowCase(fileCase.read);
    CalculateForm(form, fileCase);
    return fileCase;
}

FileCase CalculateFile(const std::string &path) {
    DataFileCase opened = ReadDataFile(path);
    FileCase fileCase;
    fileCase.file = DisplayPath(path);
    fileCase.read = opened.record;
    fileCase.warnings = std::move(opened.warnings);
    InputForm form;
    fileCase.notices = form.OpenCase(opened.record);
    CalculateForm(form, fileCase);
    return fileCase;
}

} // namespace korvane
