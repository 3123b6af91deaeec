// What korvane-calc writes with --json and with --draw-log for one data file, from the
// browser build: the case read and calculated the window's way, its sheet items, and the
// sheet's drawing steps with texts measured from the built-in advance widths of the
// sheet's font. Run under node, it holds the browser build to korvane-calc's stored outputs.
// Usage: case_outputs --json|--draw-log screen|printer DATE FILE.fdt
// Exit status: 0 calculated, 2 refused by the pre-check, 1 unreadable or misused.
#include "cli/CalcJson.h"
#include "cli/FileCase.h"
#include "sheet/JsonWriter.h"
#include "sheet/SheetContent.h"
#include "sheet/SheetDrawLog.h"
#include "sheet/SheetFontMeasure.h"

#include <cstring>
#include <exception>
#include <iostream>

int main(int argc, char **argv) {
    if (argc != 5 || (std::strcmp(argv[1], "--json") != 0 && std::strcmp(argv[1], "--draw-log"))) {
        std::cerr << "usage: case_outputs --json|--draw-log screen|printer DATE FILE.fdt\n";
        return 1;
    }
    const bool json = std::strcmp(argv[1], "--json") == 0;
    const korvane::SheetTarget target = std::strcmp(argv[2], "printer") == 0
                                            ? korvane::SheetTarget::kPrinter
                                            : korvane::SheetTarget::kScreen;
    const std::string date = argv[3];
    try {
        const korvane::FileCase fileCase = korvane::CalculateFile(argv[4]);
        const bool calculated = !fileCase.refusal;
        if (json) {
            korvane::JsonWriter writer;
            if (calculated) {
                const korvane::SheetContent sheet = korvane::BuildSheetContent(
                    {fileCase.record, fileCase.result.calculation,
                     korvane::PrintSettingsOf(fileCase.record), target, date});
                korvane::WriteCase(writer, fileCase, &sheet);
            } else {
                korvane::WriteCase(writer, fileCase, nullptr);
            }
            writer.EndLine();
            std::cout << writer.Text();
        } else if (calculated) {
            std::cout << korvane::SheetDrawLogLines(fileCase.record, fileCase.result.calculation,
                                                    korvane::PrintSettingsOf(fileCase.record),
                                                    target, date, korvane::SheetFontTextWidth);
        }
        return calculated ? 0 : 2;
    } catch (const std::exception &error) {
        std::cerr << "case_outputs: " << error.what() << '\n';
        return 1;
    }
}
