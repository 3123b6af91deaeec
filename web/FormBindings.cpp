// The page's view of the program, exported to JavaScript with embind. The page is a thin
// view: every list refill, enabled state, hint, message and corrected field comes from the
// input form, the sheet's drawing steps from the sheet, the file bytes from the data-file
// reader and writer; the script only copies them into the page's controls. Results cross
// as JSON texts, file bytes as Uint8Array.
#include "cli/CalcJson.h"
#include "cli/FileCase.h"
#include "core/DataFile.h"
#include "core/Errors.h"
#include "core/InputCaptions.h"
#include "core/InputForm.h"
#include "sheet/JsonWriter.h"
#include "sheet/SheetContent.h"
#include "sheet/SheetDrawLog.h"
#include "sheet/SheetFontMeasure.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <array>
#include <optional>
#include <stdexcept>
#include <string>

namespace korvane {

namespace {

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

std::string ReactionJson(const FormReaction &reaction) {
    JsonWriter json;
    json.StartObject();
    json.Key("message");
    WriteOptionalString(json, reaction.message);
    json.Key("focus");
    if (reaction.focus)
        json.String(InputFieldName(*reaction.focus));
    else
        json.Null();
    json.EndObject();
    return Finished(json);
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
    json.EndObject();
    return Finished(json);
}

} // namespace

// The main window's inputs, as the page shows them.
class PageForm {
public:
    // The default case, as the window shows it after start-up.
    PageForm() { m_form.ShowCase(DefaultDesignCase()); }

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
        json.String(m_form.Print().projectTitle);
        json.Key("pageText");
        json.String(m_form.Print().pageText);
        json.Key("pageNumberPos");
        json.Int(m_form.Print().pageNumberPos);
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
    void SetText(const std::string &field, const std::string &text) {
        m_form.SetText(FieldNamed(field), text);
    }
    std::string LeaveField(const std::string &field) {
        return ReactionJson(m_form.LeaveField(FieldNamed(field)));
    }

    // "計　算": the form read, pre-checked (a refusal puts its corrected text into the
    // field), calculated; the sheet's drawing steps for the screen, one JSON line each.
    std::string Calculate() {
        JsonWriter json;
        json.StartObject();
        std::optional<PreCheckFailure> refusal;
        try {
            refusal = m_form.PreCheck();
        } catch (const ConversionError &error) {
            refusal =
                PreCheckFailure{kWorkLoadConversionCheck, error.what(), InputField::workLoad, {}};
        }
        json.Key("precheck");
        if (refusal) {
            m_form.ApplyCorrection(*refusal);
            WritePreCheck(json, *refusal);
            json.EndObject();
            return Finished(json);
        }
        json.Null();
        const DesignCase record = m_form.ReadCase();
        const CaseResult result = CalculateCase(record);
        json.Key("drawLog");
        json.String(SheetDrawLogLines(record, result.calculation, PrintSettingsOf(record),
                                      SheetTarget::kScreen, "", SheetFontTextWidth));
        json.EndObject();
        return Finished(json);
    }

    // "データ読込": the data file at `path` (the page writes the chosen file there) read as
    // the open command reads it, shown in the form; its notices and warnings, or the
    // error that kept it from opening.
    std::string Open(const std::string &path) {
        JsonWriter json;
        json.StartObject();
        try {
            DataFileCase opened = ReadDataFile(path);
            const std::vector<std::string> notices = m_form.OpenCase(opened.record);
            json.Key("error");
            json.Null();
            json.Key("notices");
            WriteStrings(json, notices);
            json.Key("warnings");
            WriteStrings(json, opened.warnings);
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
        m_form.ReadCase().WriteLines(lines);
        const std::string bytes = DataFileBytes(lines);
        return emscripten::val::global("Uint8Array")
            .new_(emscripten::typed_memory_view(
                bytes.size(), reinterpret_cast<const unsigned char *>(bytes.data())));
    }

private:
    InputForm m_form;
};

EMSCRIPTEN_BINDINGS(korvane_page) {
    emscripten::function("captions", &Captions);
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
        .function("calculate", &PageForm::Calculate)
        .function("open", &PageForm::Open)
        .function("saveBytes", &PageForm::SaveBytes);
}

} // namespace korvane
