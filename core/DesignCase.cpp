#include "core/DesignCase.h"

#include "core/Errors.h"
#include "core/FileReading.h"
#include "core/InputCaptions.h"
#include "core/WholeNumber.h"

namespace korvane {

void DesignCase::SetDefaults() {
    versionText = kCurrentVersionText;
    deckFamily = 1;
    deckModel = 0;
    thicknessCode = 5;
    coatingCode = 0;
    unitWeight = 127;
    spanLength = 2500;
    shoringCode = 1;
    alphaClass = 4;
    concreteKind = 4;
    slabThickness = 130;
    workLoadValue = code::kStandardWorkLoad;
    otherLoadValue = 0;
    projectTitle = kTitlePlaceholder;
    pageNumberPos = 0;
    pageText = kDefaultPageText;
}

void DesignCase::WriteLines(std::vector<std::string> &lines) const {
    lines.clear();
    auto number = [&lines](std::int32_t value) { lines.push_back(std::to_string(value)); };
    lines.push_back(versionText);
    number(deckFamily);
    number(deckModel);
    number(thicknessCode);
    number(coatingCode);
    number(unitWeight);
    number(spanLength);
    number(shoringCode);
    number(alphaClass);
    number(concreteKind);
    number(slabThickness);
    number(workLoadValue);
    number(otherLoadValue);
    lines.push_back(projectTitle);
    number(pageNumberPos);
    lines.push_back(pageText);
}

namespace {

// A field as a warning names it: its Japanese name and the reading default in words.
struct FieldName {
    const char *name;
    std::string standIn;
};

const FieldName kFamilyField{"デッキ種類", "PXデッキ"};
const FieldName kModelField{"デッキ名称", "一覧の先頭の名称"};
const FieldName kThicknessField{"デッキ板厚", "0.8 mm"};
const FieldName kCoatingField{"表面処理", "Z12"};
const FieldName kUnitWeightField{"単位重量", ""};
const FieldName kSpanField{"スパン", "2500 mm"};
const FieldName kShoringField{"支保工", "無し"};
const FieldName kClassField{"施工割増係数", "Ｓ造"};
const FieldName kConcreteField{"コンクリート種類", "普通"};
const FieldName kSlabField{"コンクリート厚", "0 mm"};
const FieldName kWorkLoadField{"作業荷重", std::string(caption::kStandardWorkLoadOption)};
const FieldName kOtherLoadField{"その他荷重", "0 N/㎡"};
const FieldName kTitleField{"物件名", "空欄"};
const FieldName kPagePositionField{"ページ番号の位置", "無し"};
const FieldName kPageTextField{"ページ番号", "空欄"};

std::string LineLabel(std::size_t lineNumber, const FieldName &field) {
    return std::to_string(lineNumber) + " 行目 (" + field.name + ")";
}

// Hands out the lines of a file one after another; past the end, every line is missing.
// Notes what it could not read, so that the reader can say which defaults stand in.
class LineCursor {
public:
    LineCursor(const std::vector<std::string> &lines, std::size_t start)
        : m_lines(lines), m_next(start) {}

    std::int32_t NumberOr(const FieldName &field, std::int32_t fallback) {
        const std::size_t lineNumber = m_next + 1;
        const std::string *line = Next(field);
        if (!line)
            return fallback;
        if (auto value = ReadWholeNumber(*line))
            return *value;
        const char *problem = HasWholeNumberForm(*line) ? "は扱える範囲を超える数値です。"
                                                        : "は整数として読めません。";
        m_unread.push_back(LineLabel(lineNumber, field) + " の「" + ShortQuote(*line) + "」" +
                           problem + "既定値 " + field.standIn + " を使います。");
        return fallback;
    }

    std::int32_t NumberOrThrow(const FieldName &field) {
        const std::size_t lineNumber = m_next + 1;
        const std::string *line = m_next < m_lines.size() ? &m_lines[m_next] : nullptr;
        ++m_next;
        if (!line)
            throw ConversionError(LineLabel(lineNumber, field) + " がありません (ファイルが " +
                                  std::to_string(m_lines.size()) + " 行で終わっています)。");
        try {
            return ReadWholeNumberOrThrow(*line);
        } catch (const ConversionError &error) {
            throw ConversionError(LineLabel(lineNumber, field) + ": " + error.what());
        }
    }

    std::string Text(const FieldName &field) {
        const std::string *line = Next(field);
        return line ? *line : std::string();
    }

    // The findings in line order, then the fields the file ended before.
    std::vector<std::string> Findings() const {
        std::vector<std::string> findings = m_unread;
        if (m_missing.empty())
            return findings;
        std::string list;
        for (const FieldName *field : m_missing)
            list += std::string(list.empty() ? "" : "、") + field->name + " " + field->standIn;
        findings.push_back(m_lines.empty()
                               ? "ファイルが空です。すべての項目に既定値を使います: " + list + "。"
                               : "ファイルが " + std::to_string(m_lines.size()) +
                                     " 行で終わっています。ない項目には既定値を使います: " + list +
                                     "。");
        return findings;
    }

private:
    const std::string *Next(const FieldName &field) {
        const std::string *line = m_next < m_lines.size() ? &m_lines[m_next] : nullptr;
        ++m_next;
        if (!line)
            m_missing.push_back(&field);
        return line;
    }

    const std::vector<std::string> &m_lines;
    std::size_t m_next;
    std::vector<std::string> m_unread;
    std::vector<const FieldName *> m_missing;
};

bool HasFamilyLine(int format) {
    return format == 32 || format == 33 || format == 36;
}

// Formats 20 and 30 numbered PX100 as model 2, before PX75Vα took that code.
bool NumbersPx100AsTwo(int format) {
    return format == 20 || format == 30;
}

constexpr const char *kHeaderlessNote =
    "1 行目が既知の見出し (「korvane 3.6」など) ではないため、見出しのない最も古い形式"
    "として読みました。";

} // namespace

void DesignCase::ReadLines(const std::vector<std::string> &lines,
                           std::vector<std::string> *warnings) {
    SetDefaults();
    versionText = lines.empty() ? std::string() : lines.front();
    const int format = FormatVersion(versionText);

    // The headerless oldest format starts with the model on the first line.
    LineCursor cursor(lines, format == 20 ? 0 : 1);

    deckFamily = HasFamilyLine(format) && cursor.NumberOr(kFamilyField, 0) == 1 ? 1 : 0;

    deckModel = cursor.NumberOr(kModelField, 0);
    thicknessCode = cursor.NumberOr(kThicknessField, 0);
    if (NumbersPx100AsTwo(format) && deckModel == 2)
        deckModel = code::kModelPx100;

    if (format == 20) {
        coatingCode = 0;
        unitWeight = 0;
    } else {
        coatingCode = cursor.NumberOr(kCoatingField, 0);
        unitWeight = cursor.NumberOrThrow(kUnitWeightField);
    }

    spanLength = cursor.NumberOr(kSpanField, 2500);
    shoringCode = cursor.NumberOr(kShoringField, code::kShoringNone);
    alphaClass = cursor.NumberOr(kClassField, code::kClassSteel);
    concreteKind = cursor.NumberOr(kConcreteField, code::kConcreteNormal);
    slabThickness = cursor.NumberOr(kSlabField, 0);
    workLoadValue = cursor.NumberOr(kWorkLoadField, code::kStandardWorkLoad);
    otherLoadValue = cursor.NumberOr(kOtherLoadField, 0);
    projectTitle = cursor.Text(kTitleField);
    pageNumberPos = cursor.NumberOr(kPagePositionField, 0);
    pageText = cursor.Text(kPageTextField);

    if (warnings) {
        std::vector<std::string> findings = cursor.Findings();
        // Why a file with an unknown first line reads so oddly: say it once, first.
        if (format == 20 && !lines.empty() && !findings.empty())
            findings.insert(findings.begin(), kHeaderlessNote);
        warnings->insert(warnings->end(), findings.begin(), findings.end());
    }
}

bool HasDiscontinuedCoating(const DesignCase &record) {
    return record.deckFamily == code::kFamilyPx && record.deckModel == code::kModelPx100 &&
           record.coatingCode == code::kCoatingK35;
}

int FormatVersion(const std::string &versionText) {
    if (versionText == "korvane for win")
        return 30;
    if (versionText == "korvane 3.1")
        return 31;
    if (versionText == "korvane 3.2")
        return 32;
    if (versionText == "korvane 3.3")
        return 33;
    if (versionText == "korvane 3.6")
        return 36;
    return 20;
}

} // namespace korvane
