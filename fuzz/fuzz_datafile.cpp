// libFuzzer target: any bytes as a data file must decode, split and read into a record
// (or raise the conversion error of an unreadable unit-weight line), and a record that
// reads must write and read back to the same record. Opened in the input form as the window
// opens it, a case that passes the pre-check must calculate.

#include "core/Calculation.h"
#include "core/DataFile.h"
#include "core/DesignCase.h"
#include "core/Errors.h"
#include "core/InputForm.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace korvane;
    const auto lines =
        DataFileLinesFromBytes(std::string_view(reinterpret_cast<const char *>(data), size));
    DesignCase record;
    try {
        record.ReadLines(lines);
    } catch (const ConversionError &) {
        return 0;
    }
    std::vector<std::string> written;
    record.WriteLines(written);
    DesignCase again;
    again.ReadLines(DataFileLinesFromBytes(DataFileBytes(written)));
    if (FormatVersion(record.versionText) == 36 && !(again == record))
        std::abort();
    InputForm form;
    form.OpenCase(record);
    try {
        if (!form.PreCheck())
            CalculateCase(form.ReadCase());
    } catch (const ConversionError &) {
    }
    return 0;
}
