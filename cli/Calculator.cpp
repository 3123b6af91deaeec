// The command-line calculator: the calculation of the desktop program without its window.
// For each data file given (or the default design case) it gives what opening the file in
// the window and pressing "計　算" gives, and prints one JSON object per case on its own line.
//
// Exit status: 0 every case calculated, 2 a case refused by the pre-check or by the work-load
// field's conversion error, 1 a file that could not be read (its message on standard error,
// nothing else written for it) or an output file that could not be written.
//
// The calculation sheet of a calculated case comes with it: its items in the JSON, and on
// request its picture (PNG), its printed page (one page per calculated case in one PDF) or its
// canvas operations (draw log).
//
// Those three draw with fonts, which needs QtGui and the font, window-system and message-bus
// libraries it brings. So this file is built twice: as the text part (korvane-calc-text.so),
// which never loads them, and as the drawing part (korvane-calc-draw), which does everything.
// korvane-calc itself (Launcher.cpp) only chooses between the two.
//
// --span-table and --compare give the deck-choice tables of one case (a file's or the
// default) instead: what the main window's 最大スパン表 and デッキ比較 show.

#include "cli/Calculator.h"
#include "cli/CalcJson.h"
#include "cli/DeckTables.h"
#include "cli/DrawingOptions.h"
#include "cli/FileCase.h"
#include "core/DeckComparisonText.h"
#include "core/DeckTableText.h"
#include "core/Errors.h"
#include "core/FileReading.h"
#include "sheet/JsonWriter.h"
#include "sheet/SheetContent.h"
#ifdef KORVANE_CALC_DRAWS
#include "sheet/qt/SheetOutput.h"

#include <QGuiApplication>
#else
#include "sheet/qt/TodayDate.h"
#endif

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <iostream>
#include <memory>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// The options by name, for the parser and for the scan that runs before it (which arguments
// are files). The drawing options' names are korvane-calc's choice of part too.
namespace option {
constexpr const char *kJson = "json";
constexpr const char *kTarget = "target";
constexpr const char *kPng = korvane::drawing_option::kPng;
constexpr const char *kPdf = korvane::drawing_option::kPdf;
constexpr const char *kDrawLog = korvane::drawing_option::kDrawLog;
constexpr const char *kDate = "date";
constexpr const char *kSpanTable = "span-table";
constexpr const char *kCompare = "compare";
constexpr const char *kCsv = "csv";
constexpr const auto &kDrawing = korvane::drawing_option::kAll;
// The options that take a value.
constexpr const char *kWithValue[] = {kTarget, kPng, kPdf, kDate};

// "--name" as typed.
std::string Typed(const char *name) {
    return std::string("--") + name;
}
} // namespace option

constexpr int kExitCalculated = 0;
constexpr int kExitUnreadable = 1;
constexpr int kExitRefused = 2;

// What to produce besides the calculation, from the options.
struct SheetOptions {
    bool json = true;
    bool drawLog = false;
    korvane::SheetTarget target = korvane::SheetTarget::kScreen;
    QString png;
    QString pdf;
    std::string date;
};

// The sheet of a calculated case, in the variant the options ask for.
korvane::SheetContent SheetOf(const korvane::FileCase &fileCase, const SheetOptions &options) {
    const korvane::SheetInputs in{fileCase.record, fileCase.result.calculation,
                                  korvane::PrintSettingsOf(fileCase.record), options.target,
                                  options.date};
    return korvane::BuildSheetContent(in);
}

#ifdef KORVANE_CALC_DRAWS
// `message` names the file and the reason (see core/FileWriting).
void ReportUnwritable(const std::string &message) {
    std::cerr << "korvane-calc: " << message << '\n';
}

// The PDF file of the run: every calculated case adds its printed page, in the order the
// files were given. Its failure is told once, however many pages it refuses.
class RunPdf {
public:
    explicit RunPdf(const QString &path) : m_path(path), m_file(path) {}

    bool AddPage(const korvane::FileCase &fileCase, const std::string &date) {
        const bool added = m_file.AddPage(fileCase.record, fileCase.result.calculation,
                                          korvane::PrintSettingsOf(fileCase.record), date);
        if (!added)
            ReportOnce();
        return added;
    }

    // Ends the file; with no calculated case there is no page and no file to write.
    bool Finish() {
        if (m_file.Pages() == 0 && !m_reported) {
            std::cerr << "korvane-calc: 計算できたデータがないため " << m_path.toStdString()
                      << " は書き出しません。\n";
            return true;
        }
        if (m_file.Finish())
            return true;
        ReportOnce();
        return false;
    }

private:
    void ReportOnce() {
        if (!std::exchange(m_reported, true))
            ReportUnwritable(m_file.Error());
    }

    QString m_path;
    korvane::SheetPdfFile m_file;
    bool m_reported = false;
};

// Writes the requested sheet files of a calculated case; false when one cannot be written.
bool WriteSheetFiles(const korvane::FileCase &fileCase, const SheetOptions &options, RunPdf *pdf) {
    bool written = true;
    std::string error;
    if (!options.png.isEmpty() &&
        !korvane::WriteScreenSheetPng(options.png, fileCase.record, fileCase.result.calculation,
                                      &error)) {
        ReportUnwritable(error);
        written = false;
    }
    if (pdf && !pdf->AddPage(fileCase, options.date))
        written = false;
    return written;
}
#else
class RunPdf; // only the drawing part writes files
#endif

// Prints the case; returns false when a sheet file could not be written. `json` is the
// writer of the whole run, reused so that its buffer is allocated once; `pdf` the run's PDF
// file when one was asked for.
bool PrintCase(const korvane::FileCase &fileCase, const SheetOptions &options,
               korvane::JsonWriter &json, RunPdf *pdf) {
    const bool calculated = !fileCase.refusal;
    if (options.json) {
        json.Clear();
        if (calculated) {
            const korvane::SheetContent sheet = SheetOf(fileCase, options);
            korvane::WriteCase(json, fileCase, &sheet);
        } else {
            korvane::WriteCase(json, fileCase, nullptr);
        }
        json.EndLine();
        const std::string_view text = json.Text();
        std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
#ifdef KORVANE_CALC_DRAWS
    if (!calculated)
        return true;
    if (options.drawLog)
        std::cout << korvane::SheetDrawLog(fileCase.record, fileCase.result.calculation,
                                           korvane::PrintSettingsOf(fileCase.record),
                                           options.target, options.date);
    return WriteSheetFiles(fileCase, options, pdf);
#else
    (void)pdf;
    return true;
#endif
}

#ifdef KORVANE_CALC_DRAWS
// Pictures, pages and the draw log measure text with fonts, which need the GUI application
// (on the offscreen platform unless one is chosen); the JSON alone does not.
std::unique_ptr<QCoreApplication> MakeApplication(int &argc, char *argv[]) {
    if (!korvane::AsksForDrawing(argc, argv))
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}
#else
std::unique_ptr<QCoreApplication> MakeApplication(int &argc, char *argv[]) {
    return std::make_unique<QCoreApplication>(argc, argv);
}
#endif

// The file arguments exactly as their bytes came: a name that is not UTF-8 (Shift-JIS from
// an archive made on Japanese Windows) would not survive the trip through QString. Follows
// the parser's rules: options with a value take the next argument unless written with
// "=", and everything after "--" is a file.
std::vector<std::string> RawFileArguments(int argc, char *argv[]) {
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (optionsEnded || argument.empty() || argument[0] != '-' || argument == "-") {
            files.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        for (const char *name : option::kWithValue)
            if (argument == option::Typed(name))
                ++i;
    }
    return files;
}

// What the reader found missing or unreadable in a file, one line each on standard error,
// as the window shows it after opening the file.
void ReportWarnings(const korvane::FileCase &fileCase) {
    for (const std::string &warning : fileCase.warnings)
        std::cerr << "korvane-calc: " << fileCase.file.value_or("") << ": " << warning << '\n';
}

int Status(const korvane::FileCase &fileCase) {
    return fileCase.refusal ? kExitRefused : kExitCalculated;
}

// The worst outcome decides the exit status: unreadable over refused over calculated.
int Worse(int a, int b) {
    if (a == kExitUnreadable || b == kExitUnreadable)
        return kExitUnreadable;
    return std::max(a, b);
}

// The deck-choice tables of one case: the span table for the case's conditions (pre-checked
// without the span) or the comparison of every deck for the whole case. A refused case prints
// its pre-check as JSON, or only on standard error with --csv.
int PrintDeckChoice(const std::vector<std::string> &files, bool spanTable, bool csv,
                    const std::string &date) {
    if (files.size() > 1) {
        std::cerr << "korvane-calc: " << option::Typed(option::kSpanTable) << " と "
                  << option::Typed(option::kCompare) << " はファイルを一つだけ取ります。\n";
        return kExitUnreadable;
    }
    const korvane::PreCheckOf preCheck =
        spanTable ? korvane::PreCheckOf::tableConditions : korvane::PreCheckOf::calculation;
    const korvane::FileCase fileCase = files.empty()
                                           ? korvane::CalculateDefaultCase(preCheck)
                                           : korvane::CalculateFile(files.front(), preCheck);
    ReportWarnings(fileCase);
    std::string out;
    korvane::JsonWriter json;
    if (fileCase.refusal) {
        std::cerr << "korvane-calc: " << fileCase.refusal->message << '\n';
        if (!csv) {
            korvane::WriteCase(json, fileCase, nullptr);
            json.EndLine();
            out = json.Text();
        }
    } else if (spanTable) {
        const auto rows = korvane::BuildSpanTable(fileCase.record);
        csv ? void(out = korvane::SpanTableCsv(rows, fileCase.record, date))
            : korvane::WriteSpanTable(out, json, rows);
    } else {
        const auto rows = korvane::CompareDecks(fileCase.record);
        csv ? void(out = korvane::DeckComparisonCsv(rows, fileCase.record, date))
            : korvane::WriteComparison(out, json, rows);
    }
    std::cout << out;
    return Status(fileCase);
}

} // namespace

int korvane::RunCalculator(int argc, char *argv[]) {
    const auto app = MakeApplication(argc, argv);
    QCoreApplication::setApplicationName("korvane-calc");

    QCommandLineParser parser;
    parser.setApplicationDescription("フラットデッキ構造計算 (コマンドライン版)");
    parser.addHelpOption();
    parser.addOption({option::kJson, "計算結果を JSON で出力します (既定)。"});
    parser.addOption({option::kTarget, "計算書の種類: screen (画面, 既定) または printer (印刷)。",
                      "screen|printer", "screen"});
    parser.addOption({option::kPng, "画面の計算書を PNG ファイルに書き出します。", "OUT.png"});
    parser.addOption(
        {option::kPdf,
         "印刷の計算書を長期保存用 (PDF/A-1b) の PDF ファイルに書き出します。"
         "計算できたデータごとに A4 1 ページ、指定の順のまま一つのファイルにまとめます。",
         "OUT.pdf"});
    parser.addOption({option::kDrawLog, "計算書の描画操作を 1 行 1 件の JSON で出力します。"});
    parser.addOption({option::kDate, "印刷の計算書と表の CSV に記す日付 (既定: 今日)。", "TEXT"});
    parser.addOption(
        {option::kSpanTable, "計算書の代わりに、最大スパン表を 1 行 1 件の JSON で出力します。"});
    parser.addOption(
        {option::kCompare, "計算書の代わりに、全デッキの比較を 1 行 1 件の JSON で出力します。"});
    parser.addOption({option::kCsv,
                      QString::fromStdString(option::Typed(option::kSpanTable) + " と " +
                                             option::Typed(option::kCompare)) +
                          " の表を、画面の「CSV出力」と同じ CSV (UTF-8, BOM 付き) で出力します。"});
    parser.addPositionalArgument("files", "データファイル (*.fdt)。省略時は既定の設計条件。",
                                 "[FILE.fdt...]");
    parser.process(*app);

    SheetOptions options;
    options.drawLog = parser.isSet(option::kDrawLog);
    options.json = parser.isSet(option::kJson) || !options.drawLog;
    const QString target = parser.value(option::kTarget);
    if (target != "screen" && target != "printer") {
        std::cerr << "korvane-calc: " << option::Typed(option::kTarget)
                  << " は screen か printer です。\n";
        return kExitUnreadable;
    }
    options.target =
        target == "printer" ? korvane::SheetTarget::kPrinter : korvane::SheetTarget::kScreen;
    options.png = parser.value(option::kPng);
    options.pdf = parser.value(option::kPdf);
    options.date = parser.isSet(option::kDate) ? parser.value(option::kDate).toStdString()
                                               : korvane::TodayShortDate();

    std::ios::sync_with_stdio(false);
    std::vector<std::string> files = RawFileArguments(argc, argv);
    if (files.size() != static_cast<std::size_t>(parser.positionalArguments().size())) {
        files.clear(); // an argument form the scan does not know: take the parser's reading
        for (const QString &file : parser.positionalArguments())
            files.push_back(QFile::encodeName(file).toStdString());
    }
    if (parser.isSet(option::kSpanTable) || parser.isSet(option::kCompare)) {
        // The tables have no calculation sheet: a sheet option would write nothing.
        for (const char *sheetOption : option::kDrawing)
            if (parser.isSet(sheetOption)) {
                std::cerr << "korvane-calc: " << option::Typed(sheetOption)
                          << " は計算書の出力です。" << option::Typed(option::kSpanTable) << " と "
                          << option::Typed(option::kCompare) << " には使えません。\n";
                return kExitUnreadable;
            }
        try {
            // The CSV heading's date: as given, or today's as the window's CSV carries it.
            const std::string date =
                parser.isSet(option::kDate) ? options.date : korvane::TodayCsvDate();
            return PrintDeckChoice(files, parser.isSet(option::kSpanTable),
                                   parser.isSet(option::kCsv), date);
        } catch (const std::exception &error) {
            std::cerr << "korvane-calc: " << error.what() << std::endl;
            return kExitUnreadable;
        }
    }
#ifdef KORVANE_CALC_DRAWS
    std::optional<RunPdf> pdf;
    if (!options.pdf.isEmpty())
        pdf.emplace(options.pdf);
    RunPdf *const pdfFile = pdf ? &*pdf : nullptr;
#else
    struct NoPdf {
        bool Finish() { return true; }
    };
    std::optional<NoPdf> pdf;
    RunPdf *const pdfFile = nullptr;
#endif
    korvane::JsonWriter json;
    if (files.empty()) {
        const auto fileCase = korvane::CalculateDefaultCase();
        const bool written = PrintCase(fileCase, options, json, pdfFile);
        if (!written || (pdf && !pdf->Finish()))
            return kExitUnreadable;
        return Status(fileCase);
    }

    int status = kExitCalculated;
    for (const std::string &file : files) {
        try {
            const auto fileCase = korvane::CalculateFile(file);
            ReportWarnings(fileCase);
            const bool written = PrintCase(fileCase, options, json, pdfFile);
            status = Worse(status, written ? Status(fileCase) : kExitUnreadable);
        } catch (const std::bad_alloc &) {
            std::cout.flush();
            std::cerr << "korvane-calc: " << korvane::DisplayPath(file) << ": "
                      << korvane::kOutOfMemoryText << std::endl;
            status = Worse(status, kExitUnreadable);
        } catch (const std::exception &error) {
            std::cout.flush();
            std::cerr << "korvane-calc: " << error.what() << std::endl;
            status = Worse(status, kExitUnreadable);
        }
    }
    if (pdf && !pdf->Finish())
        status = Worse(status, kExitUnreadable);
    return status;
}
