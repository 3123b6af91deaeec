#include "core/CsvText.h"

namespace korvane {

namespace {

void AppendField(std::string &text, std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        text += field;
        return;
    }
    text += '"';
    for (const char c : field) {
        if (c == '"')
            text += '"';
        text += c;
    }
    text += '"';
}

} // namespace

std::string CsvTextField(std::string_view text) {
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos)
        return "'" + std::string(text);
    return std::string(text);
}

void AppendCsvRow(std::string &text, const std::vector<std::string> &fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            text += ',';
        AppendField(text, fields[i]);
    }
    text += "\r\n";
}

} // namespace korvane
