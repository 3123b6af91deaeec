#include "core/Inputdata.h"

#include "core/WholeNumber.h"

namespace korvane {

void CInputData::SetDefaults()
{
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
    workLoadValue = 1470;
    otherLoadValue = 0;
    projectTitle = kTitlePlaceholder;
    pageNumberPos = 0;
    pageText = "－１－";
}

void CInputData::WriteLines(std::vector<std::string> &lines) const
{
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

// Hands out the lines of a file one after another; past the end, every line is missing.
class LineCursor {
public:
    LineCursor(const std::vector<std::string> &lines, std::size_t start)
        : m_lines(lines), m_next(start)
    {
    }

    const std::string *Next()
    {
        const std::string *line = m_next < m_lines.size() ? &m_lines[m_next] : nullptr;
        ++m_next;
        return line;
    }

    std::int32_t NumberOr(std::int32_t fallback)
    {
        const std::string *line = Next();
        return line ? ReadWholeNumberOr(*line, fallback) : fallback;
    }

    std::int32_t NumberOrThrow()
    {
        const std::string *line = Next();
        return ReadWholeNumberOrThrow(line ? std::string_view(*line) : std::string_view());
    }

    std::string Text()
    {
        const std::string *line = Next();
        return line ? *line : std::string();
    }

private:
    const std::vector<std::string> &m_lines;
    std::size_t m_next;
};

bool HasFamilyLine(int format) { return format == 32 || format == 33 || format == 36; }

// Formats 20 and 30 numbered PX100 as model 2, before PX75Vα took that code.
bool NumbersPx100AsTwo(int format) { return format == 20 || format == 30; }

} // namespace

bool CInputData::ReadLines(const std::vector<std::string> &lines)
{
    SetDefaults();
    versionText = lines.empty() ? std::string() : lines.front();
    const int format = FormatVersion(versionText);

    // The headerless oldest format starts with the model on the first line.
    LineCursor cursor(lines, format == 20 ? 0 : 1);

    deckFamily = HasFamilyLine(format) && cursor.NumberOr(0) == 1 ? 1 : 0;

    deckModel = cursor.NumberOr(0);
    thicknessCode = cursor.NumberOr(0);
    if (NumbersPx100AsTwo(format) && deckModel == 2)
        deckModel = code::kModelPx100;

    if (format == 20) {
        coatingCode = 0;
        unitWeight = 0;
    } else {
        coatingCode = cursor.NumberOr(0);
        unitWeight = cursor.NumberOrThrow();
    }

    spanLength = cursor.NumberOr(2500);
    shoringCode = cursor.NumberOr(code::kShoringNone);
    alphaClass = cursor.NumberOr(code::kClassSteel);
    concreteKind = cursor.NumberOr(code::kConcreteNormal);
    slabThickness = cursor.NumberOr(0);
    workLoadValue = cursor.NumberOr(code::kStandardWorkLoad);
    otherLoadValue = cursor.NumberOr(0);
    projectTitle = cursor.Text();
    pageNumberPos = cursor.NumberOr(0);
    pageText = cursor.Text();
    return true;
}

bool HasDiscontinuedCoating(const CInputData &record)
{
    return record.deckFamily == code::kFamilyPx && record.deckModel == code::kModelPx100 &&
           record.coatingCode == code::kCoatingK35;
}

int FormatVersion(const std::string &versionText)
{
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
