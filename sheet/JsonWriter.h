#pragma once
// The JSON korvane writes: korvane-calc's case lines and the draw log. Compact, keys in the
// order written, texts as they are (UTF-8, only what JSON requires escaped), numbers with
// the fewest digits that read back as the same double. A RapidJSON Writer streams each
// document into one growing buffer; no tree is built.

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace korvane {

// A text written in many documents: a key, or a value that is the same in every case. The
// writer escapes it once, when it is made, and every use copies the bytes written then (the
// quotes included), which is much cheaper than escaping it again each time.
class JsonFixedText {
public:
    explicit JsonFixedText(std::string_view text);
    std::string_view Written() const { return m_written; }

private:
    std::string m_written;
};

// A name given as a template argument: FixedText<"deckModel">() below.
template <std::size_t N> struct JsonName {
    constexpr JsonName(const char (&name)[N]) { std::copy_n(name, N, text); }
    constexpr std::string_view View() const { return {text, N - 1}; }
    char text[N];
};

// The fixed text of `name`, made on its first use and kept for the run.
template <JsonName name> const JsonFixedText &FixedText() {
    static const JsonFixedText text(name.View());
    return text;
}

class JsonWriter {
public:
    JsonWriter() : m_writer(m_buffer) {}
    JsonWriter(const JsonWriter &) = delete;
    JsonWriter &operator=(const JsonWriter &) = delete;

    void StartObject() { m_writer.StartObject(); }
    void EndObject() { m_writer.EndObject(); }
    void StartArray() { m_writer.StartArray(); }
    void EndArray() { m_writer.EndArray(); }
    void Key(std::string_view key) { m_writer.Key(key.data(), Length(key)); }
    void Key(const JsonFixedText &key) { Raw(key.Written(), rapidjson::kStringType); }
    void String(std::string_view text) { m_writer.String(text.data(), Length(text)); }
    void String(const JsonFixedText &text) { Raw(text.Written(), rapidjson::kStringType); }
    void Int(int value) { m_writer.Int(value); }
    void Bool(bool value) { m_writer.Bool(value); }
    void Null() { m_writer.Null(); }
    // A non-finite value, which JSON cannot hold, is written as null.
    void Number(double value);

    // Ends the document with a line break; the next value starts a new document.
    void EndLine();
    // Drops everything written.
    void Clear();
    std::string_view Text() const { return {m_buffer.GetString(), m_buffer.GetSize()}; }

private:
    // RapidJSON's writer, which also copies a value already written as JSON in one piece
    // (its RawValue copies byte by byte), placed as the writer places a value of `type`.
    class Writer : public rapidjson::Writer<rapidjson::StringBuffer> {
    public:
        using rapidjson::Writer<rapidjson::StringBuffer>::Writer;
        void Written(std::string_view json, rapidjson::Type type) {
            Prefix(type);
            std::memcpy(os_->Push(json.size()), json.data(), json.size());
            EndValue(true);
        }
    };

    void Raw(std::string_view json, rapidjson::Type type) { m_writer.Written(json, type); }
    static rapidjson::SizeType Length(std::string_view text) {
        return static_cast<rapidjson::SizeType>(text.size());
    }

    rapidjson::StringBuffer m_buffer;
    Writer m_writer;
};

// The text JsonWriter::Number writes: plain decimals from 0.0001 to below 10¹⁵, always with
// a point ("24.0"); an exponent of at least two digits outside ("1e-05", "1.5e+20").
std::string_view JsonNumberText(double value, char (&buffer)[32]);

} // namespace korvane
