#include "ui/RtfReader.h"

#include "core/TextCodec.h"

#include <QColor>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

namespace korvane {

namespace {

// Deeper nesting than this is read with the state of the deepest kept group, so that a
// file of nothing but "{" cannot make the reader's stack grow without bound.
constexpr std::size_t kMaxDepth = 256;
// Longest control word and parameter that the format allows; longer runs are cut.
constexpr int kMaxWordLength = 32;
constexpr int kMaxParamDigits = 10;
constexpr int kTwipsPerPixel = 15; // 1440 twips per inch at 96 pixels per inch

enum class VerticalPosition { Normal, Sub, Super };

// Formatting that a group inherits from its parent and that "}" restores.
struct GroupState {
    bool skip = false;         // inside a destination whose text is not shown
    bool colourTable = false;  // inside \colortbl
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 0;        // \fsN; 0 = the document's default size
    int colour = 0;            // \cfN; 0 = the default text colour
    VerticalPosition position = VerticalPosition::Normal;
    int unicodeSkip = 1;       // \ucN: characters that stand in for each \uN
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftIndent = 0;        // twips
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
};

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Destinations whose content is not text of the document.
bool IsSkippedDestination(std::string_view word)
{
    static constexpr std::string_view kSkipped[] = {
        "fonttbl",   "stylesheet", "info",     "pict",     "object",   "header",
        "headerl",   "headerr",    "headerf",  "footer",   "footerl",  "footerr",
        "footerf",   "footnote",   "listtable", "listoverridetable",  "revtbl",
        "rsidtbl",   "filetbl",    "themedata", "colorschememapping", "latentstyles",
        "datastore", "xmlnstbl",   "generator", "fldinst",  "pgdsctbl", "private",
        "annotation", "atnid",     "atnauthor", "bkmkstart", "bkmkend", "nonshppict",
        "objdata",   "template",   "userprops", "docvar",   "shp",      "shpinst",
    };
    return std::find(std::begin(kSkipped), std::end(kSkipped), word) != std::end(kSkipped);
}

class RtfParser {
public:
    RtfParser(const QByteArray &rtf, QTextDocument &document)
        : m_in(rtf.constData(), std::size_t(rtf.size())), m_cursor(&document)
    {
        m_defaultFormat = m_cursor.charFormat();
    }

    void Run()
    {
        while (m_pos < m_in.size() && m_in[m_pos] != '{')
            ++m_pos; // blanks before the document's group
        while (m_pos < m_in.size() && !m_finished)
            Step();
        Flush();
    }

private:
    GroupState &State() { return m_stack.back(); }

    void Step()
    {
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

    void OpenGroup()
    {
        Flush();
        m_skipCount = 0;
        if (m_stack.size() < kMaxDepth)
            m_stack.push_back(State());
        else
            ++m_overflowDepth;
        m_groupStart = true;
    }

    void CloseGroup()
    {
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

    void ControlSequence()
    {
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

    int ReadParameter(bool &hasParam)
    {
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

    void ControlSymbol(char c, bool groupStart)
    {
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
            TextUnit(QChar(0x00A0));
            break;
        case '_':
            TextUnit(QChar('-'));
            break;
        case '\r':
        case '\n':
            Paragraph(); // a backslash before a line break is \par
            break;
        case '\t':
            TextUnit(QChar('\t'));
            break;
        default:
            break; // \- (optional hyphen), \: and unknown symbols show nothing
        }
    }

    void HexByte()
    {
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
        if (!State().skip)
            m_bytes.push_back(char(value));
    }

    void ControlWord(std::string_view w, bool hasParam, int param, bool groupStart)
    {
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
            m_colourPending = QColor(0, 0, 0);
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

    bool CharacterWord(std::string_view w, bool on, bool hasParam, int param)
    {
        static constexpr std::string_view kWords[] = {
            "b", "i", "ul", "ulnone", "fs", "cf", "sub", "super", "nosupersub", "plain"};
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

    bool ParagraphWord(std::string_view w, int param)
    {
        GroupState &s = State();
        const int twips = std::clamp(param, -31680, 31680); // within 22 inches
        if (w == "par" || w == "sect" || w == "row")
            Paragraph();
        else if (w == "pard") {
            s.alignment = Qt::AlignLeft;
            s.leftIndent = s.rightIndent = s.firstIndent = 0;
            s.spaceBefore = s.spaceAfter = 0;
        } else if (w == "ql")
            s.alignment = Qt::AlignLeft;
        else if (w == "qc")
            s.alignment = Qt::AlignHCenter;
        else if (w == "qr")
            s.alignment = Qt::AlignRight;
        else if (w == "qj")
            s.alignment = Qt::AlignJustify;
        else if (w == "li")
            s.leftIndent = twips;
        else if (w == "ri")
            s.rightIndent = twips;
        else if (w == "fi")
            s.firstIndent = twips;
        else if (w == "sb")
            s.spaceBefore = twips;
        else if (w == "sa")
            s.spaceAfter = twips;
        else
            return false;
        return true;
    }

    void SpecialCharacter(std::string_view w)
    {
        struct Named {
            std::string_view word;
            char16_t unit;
        };
        static constexpr Named kNamed[] = {
            {"line", 0x2028},   {"tab", u'\t'},     {"cell", u'\t'},    {"emdash", 0x2014},
            {"endash", 0x2013}, {"bullet", 0x2022}, {"lquote", 0x2018}, {"rquote", 0x2019},
            {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", 0x2003},
            {"enspace", 0x2002},
        };
        for (const Named &n : kNamed) {
            if (n.word == w) {
                TextUnit(QChar(n.unit));
                return;
            }
        }
        // Any other control word changes nothing this reader shows.
    }

    void UnicodeCharacter(int param)
    {
        if (!State().skip) {
            const auto unit = static_cast<std::uint16_t>(param); // -N stands for 65536 - N
            FlushBytes();
            m_text.append(QChar(char16_t(unit)));
        }
        m_skipCount = State().unicodeSkip;
    }

    void SkipBinary(int length)
    {
        const std::size_t n = std::min<std::size_t>(std::size_t(std::max(length, 0)),
                                                     m_in.size() - m_pos);
        m_pos += n;
    }

    void ColourTableWord(std::string_view w, int param)
    {
        const int v = std::clamp(param, 0, 255);
        if (w == "red")
            m_colourPending.setRed(v);
        else if (w == "green")
            m_colourPending.setGreen(v);
        else if (w == "blue")
            m_colourPending.setBlue(v);
        else
            return;
        m_colourHasValue = true;
    }

    // Each ";" ends one entry; an entry without colour words (usually the first) is the
    // default text colour.
    void ColourTableCharacter(char c)
    {
        if (c != ';' || m_colours.size() >= 4096)
            return;
        m_colours.push_back(m_colourHasValue ? m_colourPending : QColor());
        m_colourPending = QColor(0, 0, 0);
        m_colourHasValue = false;
    }

    void TextByte(char c)
    {
        if (m_skipCount > 0) {
            --m_skipCount;
            return;
        }
        if (State().skip)
            return;
        if (static_cast<unsigned char>(c) < 0x80) {
            FlushBytes();
            m_text.append(QLatin1Char(c));
        } else {
            m_bytes.push_back(c); // raw 8-bit text in the file's code page
        }
    }

    void TextUnit(QChar unit)
    {
        if (State().skip)
            return;
        FlushBytes();
        m_text.append(unit);
    }

    void Paragraph()
    {
        if (State().skip)
            return;
        Flush();
        m_cursor.setBlockFormat(BlockFormat());
        m_cursor.insertBlock(BlockFormat(), CharFormat());
        m_blockHasText = false;
    }

    void FlushBytes()
    {
        if (m_bytes.empty())
            return;
        const std::string_view bytes(m_bytes.data(), m_bytes.size());
        if (m_cp932)
            m_text += QString::fromStdString(Cp932ToUtf8(bytes));
        else
            m_text += QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
        m_bytes.clear();
    }

    void Flush()
    {
        FlushBytes();
        if (m_text.isEmpty())
            return;
        if (!m_blockHasText)
            m_cursor.setBlockFormat(BlockFormat());
        m_cursor.insertText(m_text, CharFormat());
        m_text.clear();
        m_blockHasText = true;
    }

    QTextCharFormat CharFormat()
    {
        const GroupState &s = State();
        QTextCharFormat f = m_defaultFormat;
        f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(s.italic);
        f.setFontUnderline(s.underline);
        if (s.halfPoints > 0)
            f.setFontPointSize(s.halfPoints / 2.0);
        if (s.colour > 0 && std::size_t(s.colour) < m_colours.size() &&
            m_colours[std::size_t(s.colour)].isValid())
            f.setForeground(m_colours[std::size_t(s.colour)]);
        if (s.position == VerticalPosition::Sub)
            f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
        else if (s.position == VerticalPosition::Super)
            f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        return f;
    }

    QTextBlockFormat BlockFormat()
    {
        const GroupState &s = State();
        QTextBlockFormat f;
        f.setAlignment(s.alignment);
        f.setLeftMargin(double(s.leftIndent) / kTwipsPerPixel);
        f.setRightMargin(double(s.rightIndent) / kTwipsPerPixel);
        f.setTextIndent(double(s.firstIndent) / kTwipsPerPixel);
        f.setTopMargin(double(std::max(s.spaceBefore, 0)) / kTwipsPerPixel);
        f.setBottomMargin(double(std::max(s.spaceAfter, 0)) / kTwipsPerPixel);
        return f;
    }

    std::string_view m_in;
    std::size_t m_pos = 0;
    QTextCursor m_cursor;
    QTextCharFormat m_defaultFormat;
    // Outside every group the state is that of the stack's first entry; the root group of
    // the document is the second.
    std::vector<GroupState> m_stack{GroupState{}};
    std::size_t m_overflowDepth = 0;
    bool m_finished = false;
    bool m_groupStart = false;
    int m_skipCount = 0;
    bool m_cp932 = true;
    std::string m_bytes;
    QString m_text;
    bool m_blockHasText = false;
    std::vector<QColor> m_colours;
    QColor m_colourPending;
    bool m_colourHasValue = false;
};

bool StartsAsRtf(const QByteArray &bytes)
{
    qsizetype i = 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\r' || bytes[i] == '\n' ||
                                bytes[i] == '\t'))
        ++i;
    return bytes.mid(i, 5) == "{\\rtf";
}

} // namespace

void ReadRtf(const QByteArray &rtf, QTextDocument &document)
{
    document.clear();
    if (!StartsAsRtf(rtf)) {
        const std::string text =
            DecodeFileText(std::string_view(rtf.constData(), std::size_t(rtf.size())));
        QStringList lines;
        for (const std::string &line : SplitLines(text))
            lines << QString::fromStdString(line);
        document.setPlainText(lines.join(QLatin1Char('\n')));
        return;
    }
    RtfParser(rtf, document).Run();
}

} // namespace korvane
