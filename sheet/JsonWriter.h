#pragma once
// The JSON korvane writes: korvane-calc's case lines and the draw log. Compact, keys in the
// order written, texts as they are (UTF-8, only what JSON requires escaped), numbers with
// the fewest digits that read back as the same double. A RapidJSON Writer streams each
// document into one growing buffer; no tree is built.

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <string_view>

namespace korvane {

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
    void String(std::string_view text) { m_writer.String(text.data(), Length(text)); }
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
    static rapidjson::SizeType Length(std::string_view text) {
        return static_cast<rapidjson::SizeType>(text.size());
    }

    rapidjson::StringBuffer m_buffer;
    rapidjson::Writer<rapidjson::StringBuffer> m_writer;
};

// The text JsonWriter::Number writes: plain decimals from 0.0001 to below 10¹⁵, always with
// a point ("24.0"); an exponent of at least two digits outside ("1e-05", "1.5e+20").
std::string_view JsonNumberText(double value, char (&buffer)[32]);

} // namespace korvane
