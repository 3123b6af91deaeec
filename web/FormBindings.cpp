// The page's view of the program, exported to JavaScript with embind. The page is a thin
// view: every list refill, enabled state, hint, message and corrected field comes from the
// input form, the sheet's drawing steps from the sheet, the file bytes from the data-file
// reader and writer; the script only copies them into the page's controls. Results cross
// as JSON texts, file bytes as Uint8Array.
#include "cli/CalcJson.h"
#include "cli/FileCase.h"
#include "core/DataFile.h"
#include "core/DeckComparison.h"
#include "core/DeckComparisonText.h"
#include "core/DeckTableText.h"
#include "core/Errors.h"
#include "core/FieldArrows.h"
#include "core/FileReading.h"
#include "core/InputCaptions.h"
#include "core/InputForm.h"
#include "core/InputHints.h"
#include "core/PrintSettingsEntry.h"
#include "core/ShownValues.h"
#include "core/SpanChartLines.h"
#include "core/SpanTable.h"
#include "formats/RtfReader.h"
#include "sheet/JsonWriter.h"
#include "sheet/SheetContent.h"
#include "sheet/SheetDrawLog.h"
#include "sheet/SheetFontMeasure.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include "version/ProgramVersion.h"

#include <array>
#include <ctime>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>

namespace korvane {

namespace {

// Today in the browser's time zone, as the tables' CSV files carry it (the date the desktop
// program and korvane-calc give on the same day).
std::string TodayCsvDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return CsvDateText(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

constexpr std::array kFields = {InputField::unitWeight, InputField::span, InputField::slabThickness,
                                InputField::workLoad, InputField::otherLoad};

InputField FieldNamed(const std::string &name) {
    for (const InputField field : kFields)
        if (InputFieldName(field) == name)
            return field;
    throw std::invalid_argument("no input field " + name);
}

void WriteStrings(JsonWriter &json, const std::vector<std::string> &texts) {
    json.StartArray();
    for (const std::string &text : texts)
        json.String(text);
    json.EndArray();
}

void WriteOptionalString(JsonWriter &json, const std::optional<std::string> &text) {
    if (text)
        json.String(*text);
    else
        json.Null();
}

std::string Finished(JsonWriter &json) {
    return std::string(json.Text());
}

// A reaction of the form: the message to show first, then the field to focus.
void WriteReaction(JsonWriter &json, const FormReaction &reaction) {
    json.Key("message");
    WriteOptionalString(json, reaction.message);
    json.Key("focus");
    if (reaction.focus)
        json.String(InputFieldName(*reaction.focus));
    else
        json.Null();
}

std::string ReactionJson(const FormReaction &reaction) {
    JsonWriter json;
    json.StartObject();
    WriteReaction(json, reaction);
    json.EndObject();
    return Finished(json);
}

// The controls' hints by role: the hint line's text and the pop-up tip (null: none).
void WriteHints(JsonWriter &json) {
    json.Key("hints");
    json.StartObject();
    for (const hint::ControlHint &control : hint::kMainWindowHints) {
        json.Key(control.role);
        json.StartObject();
        json.Key("line");
        json.String(hint::LongPart(control.text));
        json.Key("tip");
        if (control.withTip)
            json.String(hint::ShortPart(control.text));
        else
            json.Null();
        json.EndObject();
    }
    json.EndObject();
}

// The bounds and step of the fields with arrows.
void WriteFieldBounds(JsonWriter &json) {
    json.Key("fieldBounds");
    json.StartObject();
    for (const InputField field : kFields) {
        const FieldBounds bounds = BoundsOf(field);
        if (bounds.step == 1 && bounds.lower == bounds.upper)
            continue; // no arrows
        json.Key(InputFieldName(field));
        json.StartObject();
        json.Key("lower");
        json.Int(bounds.lower);
        json.Key("upper");
        json.Int(bounds.upper);
        json.Key("step");
        json.Int(bounds.step);
        json.EndObject();
    }
    json.EndObject();
}

// The captions of the main window's groups and choices, with the codes the choices stand for.
std::string Captions() {
    namespace c = caption;
    JsonWriter json;
    json.StartObject();
    const auto group = [&](std::string_view key, std::string_view text) {
        json.Key(key);
        json.String(text);
    };
    group("shoringGroup", c::kShoringGroup);
    json.Key("shoringOptions");
    json.StartArray();
    for (std::size_t i = 0; i < c::kShoringOptions.size(); ++i) {
        json.StartObject();
        group("caption", c::kShoringOptions[i]);
        json.Key("code");
        json.Int(code::kShoringNone + static_cast<int>(i));
        json.EndObject();
    }
    json.EndArray();
    group("alphaClassGroup", c::kAlphaClassGroup);
    json.Key("alphaClassOptions");
    json.StartArray();
    for (const c::ClassOption &option : c::kAlphaClassOptions) {
        json.StartObject();
        group("caption", option.caption);
        json.Key("code");
        json.Int(option.code);
        json.EndObject();
    }
    json.EndArray();
    group("concreteKindGroup", c::kConcreteKindGroup);
    json.Key("concreteKinds");
    json.StartArray();
    for (std::size_t i = 0; i < c::kConcreteKinds.size(); ++i) {
        json.StartObject();
        group("caption", c::kConcreteKinds[i]);
        json.Key("code");
        json.Int(code::kConcreteNormal + static_cast<int>(i));
        json.EndObject();
    }
    json.EndArray();
    group("slabThicknessGroup", c::kSlabThicknessGroup);
    group("workLoadGroup", c::kWorkLoadGroup);
    group("standardWorkLoadOption", c::kStandardWorkLoadOption);
    group("otherWorkLoadOption", c::kOtherWorkLoadOption);
    group("otherLoadGroup", c::kOtherLoadGroup);
    group("coatingLabel", c::kCoatingLabel);
    group("unitWeightLabel", c::kUnitWeightLabel);
    group("loadUnit", c::kLoadUnit);
    group("lengthUnit", c::kLengthUnit);
    WriteHints(json);
    WriteFieldBounds(json);
    json.Key("pageNumberPositions");
    json.StartArray();
    for (const std::int32_t position : page_number::kPositions)
        json.Int(position);
    json.EndArray();
    group("titlePlaceholder", kTitlePlaceholder);
    group("defaultPageText", kDefaultPageText);
    const std::string version = std::string("ver ") + version::kVersion;
    const std::string releaseDate = std::to_string(version::kReleaseYear) + "年" +
                                    std::to_string(version::kReleaseMonth) + "月" +
                                    std::to_string(version::kReleaseDay) + "日";
    group("legalLine",
          "Korvane for Win " + version + " (" + releaseDate +
              ")  本プログラムの著作権は提供者に帰属します。無断転載・改変を禁じます。");
    group("titleHint", "Korvane for Win " + version);
    json.EndObject();
    return Finished(json);
}

// A text's bytes as a Uint8Array for the page (a file to download).
emscripten::val BytesOf(const std::string &bytes) {
    return emscripten::val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(bytes.size(),
                                            reinterpret_cast<const unsigned char *>(bytes.data())));
}

void WriteRunStyle(JsonWriter &json, const RichTextStyle &style) {
    json.StartObject();
    json.Key("bold");
    json.Bool(style.bold);
    json.Key("italic");
    json.Bool(style.italic);
    json.Key("underline");
    json.Bool(style.underline);
    json.Key("halfPoints");
    json.Int(style.halfPoints);
    json.Key("colour");
    if (style.colour)
        json.Int(static_cast<int>(*style.colour));
    else
        json.Null();
    json.Key("position");
    json.String(style.position == VerticalPosition::Sub     ? "sub"
                : style.position == VerticalPosition::Super ? "super"
                                                            : "normal");
    json.EndObject();
}

void WriteParagraphStyle(JsonWriter &json, const ParagraphStyle &style) {
    static constexpr std::array kAlignments = {"left", "center", "right", "justify"};
    json.StartObject();
    json.Key("alignment");
    json.String(kAlignments.at(static_cast<std::size_t>(style.alignment)));
    const std::pair<const char *, int> lengths[] = {{"leftIndent", style.leftIndent},
                                                    {"rightIndent", style.rightIndent},
                                                    {"firstIndent", style.firstIndent},
                                                    {"spaceBefore", style.spaceBefore},
                                                    {"spaceAfter", style.spaceAfter}};
    for (const auto &[key, twips] : lengths) {
        json.Key(key);
        json.Int(twips);
    }
    json.EndObject();
}

void WriteChartPoint(JsonWriter &json, const SpanChartPoint &point) {
    json.StartArray();
    json.Number(point.thickness);
    json.Int(point.span);
    json.EndArray();
}

// Each model's marker points, and for each model and shoring option the earlier model whose
// line it repeats (null where the line is its own), as the desktop's legend grid shows them.
void WriteChartModels(JsonWriter &json, const std::vector<SpanTableRow> &rows) {
    json.Key("modelPoints");
    json.StartArray();
    for (const std::vector<SpanChartPoint> &points : SpanChartModelPoints(rows)) {
        json.StartArray();
        for (const SpanChartPoint &point : points)
            WriteChartPoint(json, point);
        json.EndArray();
    }
    json.EndArray();
    json.Key("repeats");
    json.StartArray();
    for (const SpanChartRepeat &repeat : SpanChartRepeats(rows)) {
        json.StartArray();
        for (const std::optional<std::size_t> &earlier : repeat) {
            if (earlier)
                json.Int(static_cast<int>(*earlier));
            else
                json.Null();
        }
        json.EndArray();
    }
    json.EndArray();
    json.Key("shoringCaptions");
    json.StartArray();
    for (std::string_view caption : caption::kShoringOptions)
        json.String(CompactCaption(caption));
    json.EndArray();
}

// The span table's chart: its models (in colour order), their markers and repeats, and the
// lines, each line's segments as [thickness mm, span mm] points.
void WriteSpanChart(JsonWriter &json, const std::vector<SpanTableRow> &rows) {
    json.Key("chart");
    json.StartObject();
    json.Key("models");
    WriteStrings(json, SpanChartModels(rows));
    WriteChartModels(json, rows);
    json.Key("lines");
    json.StartArray();
    for (const SpanChartLine &line : SpanChartLines(rows)) {
        json.StartObject();
        json.Key("model");
        json.Int(static_cast<int>(line.model));
        json.Key("shoring");
        json.Int(static_cast<int>(line.shoring));
        json.Key("name");
        json.String(line.name);
        json.Key("segments");
        json.StartArray();
        for (const std::vector<SpanChartPoint> &segment : line.segments) {
            json.StartArray();
            for (const SpanChartPoint &point : segment)
                WriteChartPoint(json, point);
            json.EndArray();
        }
        json.EndArray();
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
}

// The reader's message for a file the browser could not read for `reason`.
std::string UnreadableFileMessageOf(const std::string &name, const std::string &reason) {
    return UnreadableFileMessage(name, reason);
}

// "概　　要": the summary's rich text at `path`, read by the program's own reader, as
// paragraphs of styled runs (lengths in twips, sizes in half points).
std::string Summary(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    const RichText text = ParseRtf(bytes);
    JsonWriter json;
    json.StartArray();
    for (const RichTextParagraph &paragraph : text.paragraphs) {
        json.StartObject();
        json.Key("style");
        if (paragraph.style)
            WriteParagraphStyle(json, *paragraph.style);
        else
            json.Null();
        json.Key("runs");
        json.StartArray();
        for (const RichTextRun &run : paragraph.runs) {
            json.StartObject();
            json.Key("text");
            json.String(run.text);
            json.Key("style");
            WriteRunStyle(json, run.style);
            json.EndObject();
        }
        json.EndArray();
        json.EndObject();
    }
    json.EndArray();
    return Finished(json);
}

} // namespace

// The main window's inputs, as the page shows them.
class PageForm {
public:
    // The default case, as the window shows it after start-up.
    PageForm() {
        m_form.ShowCase(DefaultDesignCase());
        m_print = m_form.Print();
    }

    // Everything the page shows of the form, as one JSON object.
    std::string State() const {
        JsonWriter json;
        json.StartObject();
        json.Key("ridgeFamily");
        json.Bool(m_form.RidgeFamily());
        json.Key("modelItems");
        WriteStrings(json, m_form.ModelItems());
        json.Key("modelPosition");
        json.Int(m_form.ModelPosition());
        json.Key("thicknessItems");
        WriteStrings(json, m_form.ThicknessItems());
        json.Key("thicknessPosition");
        json.Int(m_form.ThicknessPosition());
        json.Key("coatingItems");
        WriteStrings(json, InputForm::CoatingItems());
        json.Key("coatingPosition");
        json.Int(m_form.CoatingPosition());
        json.Key("shoringCode");
        json.Int(m_form.ShoringCode());
        json.Key("alphaClass");
        json.Int(m_form.AlphaClass());
        json.Key("concreteKind");
        json.Int(m_form.ConcreteKind());
        json.Key("otherWorkLoad");
        json.Bool(m_form.OtherWorkLoad());
        json.Key("workLoadEnabled");
        json.Bool(m_form.WorkLoadFieldEnabled());
        json.Key("unitWeightEditable");
        json.Bool(m_form.UnitWeightEditable());
        json.Key("unitWeightHint");
        json.String(m_form.UnitWeightHint());
        json.Key("allowableStressShown");
        json.Bool(m_form.AllowableStressShown());
        json.Key("spanHint");
        json.String(m_form.SpanHint());
        json.Key("texts");
        json.StartObject();
        for (const InputField field : kFields) {
            json.Key(InputFieldName(field));
            json.String(m_form.Text(field));
        }
        json.EndObject();
        json.Key("print");
        json.StartObject();
        json.Key("projectTitle");
        json.String(m_print.projectTitle);
        json.Key("pageText");
        json.String(m_print.pageText);
        json.Key("pageNumberPos");
        json.Int(m_print.pageNumberPos);
        json.EndObject();
        json.EndObject();
        return Finished(json);
    }

    std::string ChooseFamily(bool ridge) { return ReactionJson(m_form.ChooseFamily(ridge)); }
    std::string ChooseModel(int position) { return ReactionJson(m_form.ChooseModel(position)); }
    std::string ChooseThickness(int position) {
        return ReactionJson(m_form.ChooseThickness(position));
    }
    std::string ChooseCoating(int position) { return ReactionJson(m_form.ChooseCoating(position)); }
    void ChooseShoring(int code) { m_form.ChooseShoring(code); }
    void ChooseAlphaClass(int alphaClass) { m_form.ChooseAlphaClass(alphaClass); }
    void ChooseConcreteKind(int kind) { m_form.ChooseConcreteKind(kind); }
    std::string ChooseOtherWorkLoad(bool other) {
        return ReactionJson(m_form.ChooseOtherWorkLoad(other));
    }
    // The user's text in a field; the work load's as its four positions, unfilled ones
    // blank, as the desktop's masked field reads.
    void SetText(const std::string &name, const std::string &text) {
        const InputField field = FieldNamed(name);
        m_form.SetText(field, field == InputField::workLoad ? WorkLoadMaskText(text) : text);
    }
    std::string LeaveField(const std::string &field) {
        return ReactionJson(m_form.LeaveField(FieldNamed(field)));
    }
    // A click on a field's arrows (or Up/Down in the field): +1 up, -1 down.
    void StepArrows(const std::string &name, int direction) {
        const InputField field = FieldNamed(name);
        auto [at, fresh] = m_arrowPositions.try_emplace(field, FirstArrowPosition(field));
        at->second = ArrowStep(field, m_form.Text(field), at->second, direction);
        m_form.SetText(field, std::to_string(at->second));
    }
    // Whether a character typed into the field gets through.
    static bool AcceptsTyped(const std::string &field, int character) {
        return InputForm::AcceptsTypedCharacter(FieldNamed(field),
                                                static_cast<char32_t>(character));
    }
    // The print settings window's values committed: title, page text, page-number position.
    void SetPrintSettings(const std::string &title, const std::string &pageText, int position) {
        m_print = EnteredPrintSettings(title, pageText, position);
    }

    // Runs a pre-check; a refusal is written as "precheck" with its corrected text put into
    // the field, and true returned. A work-load text that is no number is refused by name.
    template <class Check> bool Refused(JsonWriter &json, Check check) {
        std::optional<PreCheckFailure> refusal;
        try {
            refusal = check();
        } catch (const ConversionError &error) {
            refusal =
                PreCheckFailure{kWorkLoadConversionCheck, error.what(), InputField::workLoad, {}};
        }
        json.Key("precheck");
        if (!refusal) {
            json.Null();
            return false;
        }
        m_form.ApplyCorrection(*refusal);
        WritePreCheck(json, *refusal);
        json.EndObject();
        return true;
    }

    // "計　算": the form read, pre-checked (a refusal puts its corrected text into the
    // field), calculated; the sheet's drawing steps for the screen, one JSON line each.
    std::string Calculate() {
        JsonWriter json;
        json.StartObject();
        if (Refused(json, [this] { return m_form.PreCheck(); }))
            return Finished(json);
        m_calculated = Record();
        const CaseResult result = CalculateCase(*m_calculated);
        json.Key("drawLog");
        json.String(SheetDrawLogLines(*m_calculated, result.calculation, m_print,
                                      SheetTarget::kScreen, "", SheetFontTextWidth));
        json.EndObject();
        return Finished(json);
    }

    // "印刷": the printed page of the case last calculated, with the print settings as they
    // are now: its drawing steps on an A4 page at 600 dpi, one JSON line each, and the
    // title the PDF file is filed under. Empty steps before a calculation.
    std::string PrintPage(const std::string &dateText) const {
        JsonWriter json;
        json.StartObject();
        json.Key("drawLog");
        if (m_calculated) {
            DesignCase record = *m_calculated;
            record.projectTitle = m_print.projectTitle;
            record.pageText = m_print.pageText;
            record.pageNumberPos = m_print.pageNumberPos;
            const CaseResult result = CalculateCase(record);
            json.String(SheetDrawLogLines(record, result.calculation, m_print,
                                          SheetTarget::kPrinter, dateText, SheetFontTextWidth));
        } else {
            json.String("");
        }
        json.Key("projectTitle");
        json.String(m_print.projectTitle);
        json.EndObject();
        return Finished(json);
    }

    // "データ読込": the data file at `path` (the page writes the chosen file there, under
    // the name the user knows it by) read as the open command reads it, shown in the form;
    // its notices, the one message of what the file did not give or the form shows
    // otherwise (or null), or the error that kept it from opening.
    std::string Open(const std::string &path) {
        JsonWriter json;
        json.StartObject();
        try {
            DataFileCase opened = ReadDataFile(path);
            m_openedName = path;
            const std::vector<std::string> notices = m_form.OpenCase(opened.record);
            m_print = m_form.Print();
            for (std::string &warning : ValuesShownOtherwise(opened.record, m_form.ReadCase()))
                opened.warnings.push_back(std::move(warning));
            json.Key("error");
            json.Null();
            json.Key("notices");
            WriteStrings(json, notices);
            json.Key("warning");
            WriteOptionalString(
                json, opened.warnings.empty()
                          ? std::nullopt
                          : std::optional(ReadingWarningsText(DisplayPath(path), opened.warnings)));
        } catch (const std::exception &error) {
            json.Key("error");
            json.String(error.what());
        }
        json.EndObject();
        return Finished(json);
    }

    // "データ保存": the bytes the desktop writes for the form's case (code page 932).
    emscripten::val SaveBytes() const {
        std::vector<std::string> lines;
        Record().WriteLines(lines);
        return BytesOf(DataFileBytes(lines));
    }

    // The name "データ保存" gives the download, as the desktop's save dialog proposes it: the
    // name of the file opened last (a browser tells no folder, nor where a download went).
    std::string ProposedSaveName() const { return korvane::ProposedSaveName(m_openedName); }

    // "最大スパン表": the inputs pre-checked as the table's conditions (a refusal as the
    // calculate command's), then the table for them: the line above the conditions (the
    // project title and `dateText`, today as the page shows dates), conditions, headings,
    // each row's cells, the row of the case's deck.
    std::string SpanTable(const std::string &dateText) {
        JsonWriter json;
        json.StartObject();
        if (Refused(json, [this] { return m_form.PreCheckConditions(); }))
            return Finished(json);
        m_spanConditions = Record();
        m_spanRows = BuildSpanTable(m_spanConditions);
        json.Key("title");
        json.String(kSpanTableTitle);
        json.Key("heading");
        json.String(TableHeadingLine(m_spanConditions, dateText));
        json.Key("note");
        json.String(kSpanTableTakeNote);
        json.Key("conditions");
        WriteStrings(json, ConditionsText(m_spanConditions));
        json.Key("headings");
        WriteStrings(json, SpanTableHeadings());
        json.Key("rows");
        json.StartArray();
        for (const SpanTableRow &row : m_spanRows)
            WriteStrings(json, SpanTableCells(row));
        json.EndArray();
        json.Key("marked");
        json.Int(RowHoldingDeck(m_spanRows, m_spanConditions));
        WriteSpanChart(json, m_spanRows);
        json.EndObject();
        return Finished(json);
    }

    // A cell of the span table taken into the inputs: the deck, with the cell's shoring and
    // span where it has one; the form's reaction.
    std::string TakeSpanTableCell(int row, int column) {
        const SpanTableRow &taken = m_spanRows.at(static_cast<std::size_t>(row));
        return ReactionJson(
            m_form.TakeDeck(TakenFromSpanTable(taken, ShoringOfSpanTableColumn(column))));
    }

    // "CSV出力" of the span table: the file's bytes (UTF-8 with its byte-order mark).
    emscripten::val SpanTableCsvBytes() const {
        return BytesOf(SpanTableCsv(m_spanRows, m_spanConditions, TodayCsvDate()));
    }

    // "デッキ比較": the calculate command's pre-check, then every deck calculated for the
    // inputs: the line above the conditions (as the span table's), conditions, two-line
    // headings, each row's cells (failing ones marked), the row of the case's deck.
    std::string Comparison(const std::string &dateText) {
        JsonWriter json;
        json.StartObject();
        if (Refused(json, [this] { return m_form.PreCheck(); }))
            return Finished(json);
        const DesignCase conditions = Record();
        m_comparisonRows = CompareDecks(conditions);
        m_comparisonCase = conditions;
        m_comparisonConditions = DeckComparisonConditions(conditions);
        json.Key("title");
        json.String(kDeckComparisonTitle);
        json.Key("heading");
        json.String(TableHeadingLine(conditions, dateText));
        json.Key("note");
        json.String(kDeckComparisonTakeNote);
        json.Key("conditions");
        WriteStrings(json, m_comparisonConditions);
        json.Key("headings");
        json.StartArray();
        for (const ColumnHeading &heading : DeckComparisonHeadings())
            WriteStrings(json, {heading.top, heading.bottom});
        json.EndArray();
        json.Key("rows");
        json.StartArray();
        for (const DeckComparisonRow &row : m_comparisonRows) {
            json.StartArray();
            for (const ComparisonCell &cell : DeckComparisonCells(DeckComparisonTexts(row))) {
                json.StartObject();
                json.Key("text");
                json.String(cell.text);
                json.Key("failing");
                json.Bool(cell.failing);
                json.EndObject();
            }
            json.EndArray();
        }
        json.EndArray();
        json.Key("marked");
        json.Int(RowHoldingDeck(m_comparisonRows, conditions));
        json.EndObject();
        return Finished(json);
    }

    // A comparison row taken into the inputs, with its least shoring where the case's does
    // not suffice; the form's reaction and the note that says so.
    std::string TakeComparisonRow(int row) {
        const DeckComparisonRow &taken = m_comparisonRows.at(static_cast<std::size_t>(row));
        const FormReaction reaction = m_form.TakeDeck(TakenFromComparison(taken));
        JsonWriter json;
        json.StartObject();
        WriteReaction(json, reaction);
        json.Key("note");
        json.String(ComparisonTakeNote(taken));
        json.EndObject();
        return Finished(json);
    }

    // "CSV出力" of the comparison.
    emscripten::val ComparisonCsvBytes() const {
        return BytesOf(DeckComparisonCsv(m_comparisonRows, m_comparisonCase, TodayCsvDate()));
    }

private:
    // The form's case with the print settings the page holds.
    DesignCase Record() const {
        DesignCase record = m_form.ReadCase();
        record.projectTitle = m_print.projectTitle;
        record.pageText = m_print.pageText;
        record.pageNumberPos = m_print.pageNumberPos;
        return record;
    }

    InputForm m_form;
    PrintSettings m_print;
    std::map<InputField, int> m_arrowPositions;
    std::optional<DesignCase> m_calculated;
    DesignCase m_spanConditions;
    std::vector<SpanTableRow> m_spanRows;
    std::vector<DeckComparisonRow> m_comparisonRows;
    DesignCase m_comparisonCase;
    std::vector<std::string> m_comparisonConditions;
    std::string m_openedName;
};

EMSCRIPTEN_BINDINGS(korvane_page) {
    emscripten::function("captions", &Captions);
    emscripten::function("summary", &Summary);
    emscripten::function("unreadableFileMessage", &UnreadableFileMessageOf);
    emscripten::constant("dataFileByteCap", static_cast<double>(kDataFileByteCap));
    emscripten::class_<PageForm>("PageForm")
        .constructor<>()
        .function("state", &PageForm::State)
        .function("chooseFamily", &PageForm::ChooseFamily)
        .function("chooseModel", &PageForm::ChooseModel)
        .function("chooseThickness", &PageForm::ChooseThickness)
        .function("chooseCoating", &PageForm::ChooseCoating)
        .function("chooseShoring", &PageForm::ChooseShoring)
        .function("chooseAlphaClass", &PageForm::ChooseAlphaClass)
        .function("chooseConcreteKind", &PageForm::ChooseConcreteKind)
        .function("chooseOtherWorkLoad", &PageForm::ChooseOtherWorkLoad)
        .function("setText", &PageForm::SetText)
        .function("leaveField", &PageForm::LeaveField)
        .function("stepArrows", &PageForm::StepArrows)
        .class_function("acceptsTyped", &PageForm::AcceptsTyped)
        .function("setPrintSettings", &PageForm::SetPrintSettings)
        .function("calculate", &PageForm::Calculate)
        .function("printPage", &PageForm::PrintPage)
        .function("open", &PageForm::Open)
        .function("saveBytes", &PageForm::SaveBytes)
        .function("proposedSaveName", &PageForm::ProposedSaveName)
        .function("spanTable", &PageForm::SpanTable)
        .function("takeSpanTableCell", &PageForm::TakeSpanTableCell)
        .function("spanTableCsv", &PageForm::SpanTableCsvBytes)
        .function("comparison", &PageForm::Comparison)
        .function("takeComparisonRow", &PageForm::TakeComparisonRow)
        .function("comparisonCsv", &PageForm::ComparisonCsvBytes);
}

} // namespace korvane
