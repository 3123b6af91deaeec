#include "formats/RtfReader.h"

#include "core/TextCodec.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace korvane {

namespace {

// Deeper nesting than this is read with the state of the deepest kept group, so that a
// file of nothing but "{" cannot make the reader's stack grow without bound.
constexpr std::size_t kMaxDepth = 256;
// Longest control word and parameter that the format allows; longer runs are cut.
constexpr int kMaxWordLength = 32;
constexpr int kMaxParamDigits = 10;
constexpr char32_t kReplacementCharacter = 0xFFFD;

// Formatting that a group inherits from its parent and that "}" restores.
struct GroupState {
    bool skip = false;        // inside a destination whose text is not shown
    bool colourTable = false; // inside \colortbl
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 0; // \fsN; 0 = the document's default size
    int colour = 0;     // \cfN; 0 = the default text colour
    VerticalPosition position = VerticalPosition::Normal;
    int unicodeSkip = 1; // \ucN: characters that stand in for each \uN
    ParagraphStyle paragraph;
};

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void AppendUtf8(std::string &out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

bool IsHighSurrogate(char16_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLowSurrogate(char16_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

// Destinations whose content is not text of the document.
bool IsSkippedDestination(std::string_view word) {
    static constexpr std::string_view kSkipped[] = {
        "fonttbl",
        "stylesheet",
        "info",
        "pict",
        "object",
        "header",
        "headerl",
        "headerr",
        "headerf",
        "footer",
        "footerl",
        "footerr",
        "footerf",
        "footnote",
        "listtable",
        "listoverridetable",
        "revtbl",
        "rsidtbl",
        "filetbl",
        "themedata",
        "colorschememapping",
        "latentstyles",
        "datastore",
        "xmlnstbl",
        "generator",
        "fldinst",
        "pgdsctbl",
        "private",
        "annotation",
        "atnid",
        "atnauthor",
        "bkmkstart",
        "bkmkend",
        "nonshppict",
        "objdata",
        "template",
        "userprops",
        "docvar",
        "shp",
        "shpinst",
    };
    return std::find(std::begin(kSkipped), std::end(kSkipped), word) != std::end(kSkipped);
}

class RtfParser {
public:
    explicit RtfParser(std::string_view rtf) : m_in(rtf) { m_out.paragraphs.emplace_back(); }

    RichText Run() {
        while (m_pos < m_in.size() && m_in[m_pos] != '{')
            ++m_pos; // blanks before the document's group
        while (m_pos < m_in.size() && !m_finished)
            Step();
        Flush();
        return std::move(m_out);
    }

private:
    GroupState &State() { return m_stack.back(); }
    RichTextParagraph &Current() { return m_out.paragraphs.back(); }

    void Step() {
        const char c = m_in[m_pos++];
        switch (c) {
        case '{':
            OpenGroup();
            break;
        case '}':
            CloseGroup();
            break;
        case '\\':
            ControlSequence();
            break;
        case '\r':
        case '\n':
            break; // line breaks of the file are not text
        default:
            if (State().colourTable)
                ColourTableCharacter(c);
            else if (static_cast<unsigned char>(c) >= 0x20 || c == '\t')
                TextByte(c);
            break;
        }
    }

    void OpenGroup() {
        Flush();
        m_skipCount = 0;
        if (m_stack.size() < kMaxDepth)
            m_stack.push_back(State());
        else
            ++m_overflowDepth;
        m_groupStart = true;
    }

    void CloseGroup() {
        Flush();
        m_skipCount = 0;
        m_groupStart = false;
        if (m_overflowDepth > 0) {
            --m_overflowDepth;
            return;
        }
        if (m_stack.size() > 2) {
            m_stack.pop_back();
            return;
        }
        // The root group has closed: whatever follows is not part of the document.
        if (m_stack.size() == 2)
            m_finished = true;
    }

    void ControlSequence() {
        const bool groupStart = m_groupStart;
        m_groupStart = false;
        if (m_pos >= m_in.size())
            return;
        const char c = m_in[m_pos];
        if (!IsLetter(c)) {
            ++m_pos;
            ControlSymbol(c, groupStart);
            return;
        }
        const std::size_t start = m_pos;
        while (m_pos < m_in.size() && IsLetter(m_in[m_pos]) && m_pos - start < kMaxWordLength)
            ++m_pos;
        const std::string_view word = m_in.substr(start, m_pos - start);
        while (m_pos < m_in.size() && IsLetter(m_in[m_pos]))
            ++m_pos; // an overlong word is cut, not read as text
        bool hasParam = false;
        int param = ReadParameter(hasParam);
        if (m_pos < m_in.size() && m_in[m_pos] == ' ')
            ++m_pos; // the delimiting space belongs to the control word
        if (m_skipCount > 0) {
            --m_skipCount; // a control word stands for one character after \uN
            return;
        }
        ControlWord(word, hasParam, param, groupStart);
    }

    int ReadParameter(bool &hasParam) {
        bool negative = false;
        if (m_pos < m_in.size() && m_in[m_pos] == '-' && m_pos + 1 < m_in.size() &&
            IsDigit(m_in[m_pos + 1])) {
            negative = true;
            ++m_pos;
        }
        std::int64_t value = 0;
        int digits = 0;
        while (m_pos < m_in.size() && IsDigit(m_in[m_pos])) {
            if (digits < kMaxParamDigits)
                value = value * 10 + (m_in[m_pos] - '0');
            ++digits;
            ++m_pos;
        }
        hasParam = digits > 0;
        value = std::min<std::int64_t>(value, INT32_MAX);
        return int(negative ? -value : value);
    }

    void ControlSymbol(char c, bool groupStart) {
        if (c == '\'') {
            HexByte();
            return;
        }
        if (m_skipCount > 0) {
            --m_skipCount;
            return;
        }
        switch (c) {
        case '*':
            if (groupStart)
                State().skip = true; // an optional destination this reader does not know
            break;
        case '\\':
        case '{':
        case '}':
            TextByte(c);
            break;
        case '~':
            TextCharacter(0x00A0);
            break;
        case '_':
            TextCharacter(U'-');
            break;
        case '\r':
        case '\n':
            Paragraph(); // a backslash before a line break is \par
            break;
        case '\t':
            TextCharacter(U'\t');
            break;
        default:
            break; // \- (optional hyphen), \: and unknown symbols show nothing
        }
    }

    void HexByte() {
        int value = -1;
        if (m_pos + 1 < m_in.size()) {
            const int hi = HexValue(m_in[m_pos]);
            const int lo = HexValue(m_in[m_pos + 1]);
            if (hi >= 0 && lo >= 0) {
                value = hi * 16 + lo;
                m_pos += 2;
            }
        }
        if (value < 0)
            return; // a damaged \'hh shows nothing
        if (m_skipCount > 0) {
            --m_skipCount;
            return;
        }
        if (!State().skip) {
            EndSurrogate();
            m_bytes.push_back(char(value));
        }
    }

    void ControlWord(std::string_view w, bool hasParam, int param, bool groupStart) {
        GroupState &s = State();
        const bool on = !hasParam || param != 0;
        if (groupStart && IsSkippedDestination(w)) {
            Flush();
            s.skip = true;
            return;
        }
        if (w == "colortbl" && groupStart) {
            s.skip = true;
            s.colourTable = true;
            m_colours.clear();
            m_colourPending = 0;
            m_colourHasValue = false;
            return;
        }
        if (s.colourTable) {
            ColourTableWord(w, param);
            return;
        }
        if (w == "bin") {
            SkipBinary(hasParam ? param : 0);
            return;
        }
        if (w == "u") {
            UnicodeCharacter(param);
            return;
        }
        if (w == "uc") {
            s.unicodeSkip = std::clamp(param, 0, 16);
            return;
        }
        if (w == "ansicpg") {
            m_cp932 = param == 932;
            return;
        }
        if (CharacterWord(w, on, hasParam, param) || ParagraphWord(w, param))
            return;
        SpecialCharacter(w);
    }

    bool CharacterWord(std::string_view w, bool on, bool hasParam, int param) {
        static constexpr std::string_view kWords[] = {"b",  "i",   "ul",    "ulnone",     "fs",
                                                      "cf", "sub", "super", "nosupersub", "plain"};
        if (std::find(std::begin(kWords), std::end(kWords), w) == std::end(kWords))
            return false;
        Flush(); // the text so far keeps the formatting it was written with
        GroupState &s = State();
        if (w == "b")
            s.bold = on;
        else if (w == "i")
            s.italic = on;
        else if (w == "ul")
            s.underline = on;
        else if (w == "ulnone")
            s.underline = false;
        else if (w == "fs")
            s.halfPoints = hasParam ? std::clamp(param, 2, 2000) : 0;
        else if (w == "cf")
            s.colour = std::max(param, 0);
        else if (w == "sub")
            s.position = VerticalPosition::Sub;
        else if (w == "super")
            s.position = VerticalPosition::Super;
        else if (w == "nosupersub")
            s.position = VerticalPosition::Normal;
        else { // plain
            s.bold = s.italic = s.underline = false;
            s.halfPoints = 0;
            s.colour = 0;
            s.position = VerticalPosition::Normal;
        }
        return true;
    }

    bool ParagraphWord(std::string_view w, int param) {
        ParagraphStyle &p = State().paragraph;
        const int twips = std::clamp(param, -31680, 31680); // within 22 inches
        if (w == "par" || w == "sect" || w == "row")
            Paragraph();
        else if (w == "pard")
            p = ParagraphStyle{};
        else if (w == "ql")
            p.alignment = TextAlignment::Left;
        else if (w == "qc")
            p.alignment = TextAlignment::Centre;
        else if (w == "qr")
            p.alignment = TextAlignment::Right;
        else if (w == "qj")
            p.alignment = TextAlignment::Justify;
        else if (w == "li")
            p.leftIndent = twips;
        else if (w == "ri")
            p.rightIndent = twips;
        else if (w == "fi")
            p.firstIndent = twips;
        else if (w == "sb")
            p.spaceBefore = twips;
        else if (w == "sa")
            p.spaceAfter = twips;
        else
            return false;
        return true;
    }

    void SpecialCharacter(std::string_view w) {
        struct Named {
            std::string_view word;
            char32_t character;
        };
        static constexpr Named kNamed[] = {
            {"line", 0x2028},      {"tab", U'\t'},        {"cell", U'\t'},     {"emdash", 0x2014},
            {"endash", 0x2013},    {"bullet", 0x2022},    {"lquote", 0x2018},  {"rquote", 0x2019},
            {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", 0x2003}, {"enspace", 0x2002},
        };
        for (const Named &n : kNamed) {
            if (n.word == w) {
                TextCharacter(n.character);
                return;
            }
        }
        // Any other control word changes nothing this reader shows.
    }

    // \uN gives one UTF-16 unit; a character beyond the first 65536 comes as two in a row.
    void UnicodeCharacter(int param) {
        if (!State().skip) {
            const auto unit = static_cast<char16_t>(param); // -N stands for 65536 - N
            FlushBytes();
            if (m_highSurrogate && IsLowSurrogate(unit)) {
                AppendUtf8(m_text, 0x10000 + ((char32_t(m_highSurrogate) - 0xD800) << 10) +
                                       (char32_t(unit) - 0xDC00));
                m_highSurrogate = 0;
            } else {
                EndSurrogate();
                if (IsHighSurrogate(unit))
                    m_highSurrogate = unit;
                else
                    AppendUtf8(m_text, IsLowSurrogate(unit) ? kReplacementCharacter : unit);
            }
        }
        m_skipCount = State().unicodeSkip;
    }

    // A first half of a pair that no second half followed shows as the replacement mark.
    void EndSurrogate() {
        if (m_highSurrogate) {
            AppendUtf8(m_text, kReplacementCharacter);
            m_highSurrogate = 0;
        }
    }

    void SkipBinary(int length) {
        const std::size_t n =
            std::min<std::size_t>(std::size_t(std::max(length, 0)), m_in.size() - m_pos);
        m_pos += n;
    }

    void ColourTableWord(std::string_view w, int param) {
        const std::uint32_t v = std::uint32_t(std::clamp(param, 0, 255));
        if (w == "red")
            m_colourPending = (m_colourPending & 0x00FFFF) | v << 16;
        else if (w == "green")
            m_colourPending = (m_colourPending & 0xFF00FF) | v << 8;
        else if (w == "blue")
            m_colourPending = (m_colourPending & 0xFFFF00) | v;
        else
            return;
        m_colourHasValue = true;
    }

    // Each ";" ends one entry; an entry without colour words (usually the first) is the
    // default text colour.
    void ColourTableCharacter(char c) {
        if (c != ';' || m_colours.size() >= 4096)
            return;
        m_colours.push_back(m_colourHasValue ? std::optional(m_colourPending) : std::nullopt);
        m_colourPending = 0;
        m_colourHasValue = false;
    }

    void TextByte(char c) {
        if (m_skipCount > 0) {
            --m_skipCount;
            return;
        }
        if (State().skip)
            return;
        EndSurrogate();
        if (static_cast<unsigned char>(c) < 0x80) {
            FlushBytes();
            m_text += c;
        } else {
            m_bytes.push_back(c); // raw 8-bit text in the file's code page
        }
    }

    void TextCharacter(char32_t c) {
        if (State().skip)
            return;
        EndSurrogate();
        FlushBytes();
        AppendUtf8(m_text, c);
    }

    void Paragraph() {
        if (State().skip)
            return;
        Flush();
        Current().style = State().paragraph;
        m_out.paragraphs.push_back({State().paragraph, Style(), {}});
    }

    void FlushBytes() {
        if (m_bytes.empty())
            return;
        if (m_cp932) {
            m_text += Cp932ToUtf8(m_bytes);
        } else {
            for (const char b : m_bytes)
                AppendUtf8(m_text, static_cast<unsigned char>(b)); // Latin-1
        }
        m_bytes.clear();
    }

    // Ends the run written so far: the text keeps the formatting it was written with, and
    // a paragraph takes the formatting in force at its first text.
    void Flush() {
        EndSurrogate();
        FlushBytes();
        if (m_text.empty())
            return;
        if (Current().runs.empty())
            Current().style = State().paragraph;
        Current().runs.push_back({std::move(m_text), Style()});
        m_text.clear();
    }

    RichTextStyle Style() {
        const GroupState &s = State();
        RichTextStyle style;
        style.bold = s.bold;
        style.italic = s.italic;
        style.underline = s.underline;
        style.halfPoints = s.halfPoints;
        if (s.colour > 0 && std::size_t(s.colour) < m_colours.size())
            style.colour = m_colours[std::size_t(s.colour)];
        style.position = s.position;
        return style;
    }

    std::string_view m_in;
    std::size_t m_pos = 0;
    RichText m_out;
    // Outside every group the state is that of the stack's first entry; the root group of
    // the document is the second.
    std::vector<GroupState> m_stack{GroupState{}};
    std::size_t m_overflowDepth = 0;
    bool m_finished = false;
    bool m_groupStart = false;
    int m_skipCount = 0;
    bool m_cp932 = true;
    std::string m_bytes;
    std::string m_text;
    char16_t m_highSurrogate = 0;
    std::vector<std::optional<std::uint32_t>> m_colours;
    std::uint32_t m_colourPending = 0;
    bool m_colourHasValue = false;
};

bool StartsAsRtf(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size() &&
           (bytes[i] == ' ' || bytes[i] == '\r' || bytes[i] == '\n' || bytes[i] == '\t'))
        ++i;
    return bytes.substr(i, 5) == "{\\rtf";
}

RichText PlainText(std::string_view bytes) {
    RichText text;
    text.plain = true;
    for (std::string &line : SplitLines(DecodeFileText(bytes))) {
        RichTextParagraph paragraph;
        paragraph.runs.push_back({std::move(line), {}});
        text.paragraphs.push_back(std::move(paragraph));
    }
    return text;
}

} // namespace

RichText ParseRtf(std::string_view rtf) {
    if (!StartsAsRtf(rtf))
        return PlainText(rtf);
    return RtfParser(rtf).Run();
}

} // namespace korvane
