// The sheet through QPainter: the result picture and the archival PDF file read back.
#include "core/TextCodec.h"
#include "sheet/DrawSheet.h"
#include "sheet/SheetFontMeasure.h"
#include "sheet/qt/QtCanvas.h"
#include "sheet/qt/SheetOutput.h"

#include "core/Calculation.h"
#include "core/DesignCase.h"
#include "tests/JsonTestSupport.h"
#include "tests/PdfTestSupport.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <regex>
#include <set>
#include <sstream>

namespace korvane {
namespace {

std::string RunCommand(const std::string &command) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE *)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe)
        return out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe.get())) > 0)
        out.append(buf, n);
    return out;
}

class SheetOutput : public testing::Test {
protected:
    QTemporaryDir m_dir;
    DesignCase m_record;
    std::string Path(const char *name) const { return m_dir.filePath(name).toStdString(); }
};

using test::ArchivalFaults;
using test::PdfInfoField;
using test::PdfText;
using Faults = std::vector<std::string>;

TEST_F(SheetOutput, PdfIsOneSearchableArchivalA4Page) {
    PrintSettings print;
    print.projectTitle = "市民会館 増築";
    print.pageNumberPos = 21;
    const std::string pdf = Path("sheet.pdf");
    ASSERT_TRUE(WriteSheetPdf(QString::fromStdString(pdf), m_record, Calculate(m_record), print,
                              "2026/12/10"));

    const std::string info = RunCommand("pdfinfo '" + pdf + "'");
    EXPECT_TRUE(std::regex_search(info, std::regex("Pages:\\s+1\\n"))) << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
    EXPECT_EQ(ArchivalFaults(pdf), Faults{});
    EXPECT_EQ(PdfInfoField(pdf, "Title"), "市民会館 増築");
    EXPECT_EQ(PdfInfoField(pdf, "Creator"), "korvane");

    const std::string text = RunCommand("pdftotext -raw '" + pdf + "' -");
    for (const char *expected : {"物件名：市民会館 増築", "フラットデッキ構造計算",
                                 "PX75LA-07 (Z12)", "鉄筋コンクリート 24000x0.13= 3120N/㎡",
                                 "＝180.92", "fb/β = 188 N/mm", "スパンL＝2500 ＞ Lmax=2420mm",
                                 "【不 可】", "「スパン」がアウトになります。設定を変えて下さい。",
                                 "Ａｒｖｅｌ株式会社 [2026/12/10]", "－１－"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
}

// A case without a project title of its own is filed under the program's subject.
TEST_F(SheetOutput, PdfDocumentTitleIsTheProjectTitleOrTheSubject) {
    const struct {
        const char *projectTitle;
        const char *documentTitle;
    } cases[] = {
        {"倉庫棟", "倉庫棟"},
        {" 倉庫棟 ", "倉庫棟"},
        {kTitlePlaceholder, "フラットデッキ構造計算"},
        {"", "フラットデッキ構造計算"},
        {"　", "フラットデッキ構造計算"}, // a full-width space typed into the field
    };
    const std::string pdf = Path("titled.pdf");
    for (const auto &row : cases) {
        PrintSettings print;
        print.projectTitle = row.projectTitle;
        ASSERT_TRUE(
            WriteSheetPdf(QString::fromStdString(pdf), m_record, Calculate(m_record), print, "d"));
        EXPECT_EQ(PdfInfoField(pdf, "Title"), row.documentTitle) << row.projectTitle;
        EXPECT_NE(test::PdfToolOutput("pdfinfo -meta '" + pdf + "'").find(row.documentTitle),
                  std::string::npos)
            << "XMP title of " << row.projectTitle;
    }
}

// Several cases in one file: a page each, in the order added, each with its own print
// settings; the first case names the document.
TEST_F(SheetOutput, PdfFileTakesOnePagePerCase) {
    const struct {
        const char *title;
        const char *pageText;
        int span;
    } pages[] = {
        {"第一工区", "P-1", 2000}, {kTitlePlaceholder, "P-2", 2500}, {"第三工区", "P-3", 3000}};
    const std::string pdf = Path("many.pdf");
    {
        SheetPdfFile file(QString::fromStdString(pdf));
        for (const auto &page : pages) {
            DesignCase record;
            record.spanLength = page.span;
            PrintSettings print{page.title, page.pageText, 21};
            ASSERT_TRUE(file.AddPage(record, Calculate(record), print, "d"));
        }
        EXPECT_EQ(file.Pages(), 3);
        EXPECT_TRUE(file.Finish());
    }
    EXPECT_EQ(PdfInfoField(pdf, "Pages"), "3");
    EXPECT_EQ(PdfInfoField(pdf, "Title"), "第一工区");
    EXPECT_EQ(ArchivalFaults(pdf), Faults{});
    for (int i = 0; i < 3; ++i) {
        const std::string text = PdfText(pdf, i + 1);
        EXPECT_NE(text.find(pages[i].pageText), std::string::npos) << text;
        EXPECT_NE(text.find("スパンL＝" + std::to_string(pages[i].span)), std::string::npos)
            << text;
        const bool titled = std::string(pages[i].title) != kTitlePlaceholder;
        EXPECT_EQ(text.find("物件名：") != std::string::npos, titled) << text;
        if (titled) {
            EXPECT_NE(text.find(std::string("物件名：") + pages[i].title), std::string::npos);
        }
    }
}

TEST_F(SheetOutput, PdfFileWithoutPagesWritesNothing) {
    const std::string pdf = Path("empty.pdf");
    {
        SheetPdfFile file(QString::fromStdString(pdf));
        EXPECT_TRUE(file.Finish());
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(pdf)));
}

TEST_F(SheetOutput, PdfThatCannotBeWrittenReportsFailure) {
    const QString path = m_dir.filePath("missing/folder/sheet.pdf");
    EXPECT_FALSE(WriteSheetPdf(path, m_record, Calculate(m_record), PrintSettings{}, "x"));

    SheetPdfFile file(path); // and keeps refusing: no page goes anywhere else
    const CalculationResult result = Calculate(m_record);
    EXPECT_FALSE(file.AddPage(m_record, result, PrintSettings{}, "x"));
    EXPECT_FALSE(file.AddPage(m_record, result, PrintSettings{}, "x"));
    EXPECT_EQ(file.Pages(), 0);
    EXPECT_FALSE(file.Finish());
}

TEST_F(SheetOutput, ScreenPictureIsTheResultPictureWithTheSheetOnIt) {
    const QImage empty = NewResultPicture();
    const QImage sheet = RenderScreenSheet(m_record, Calculate(m_record));
    ASSERT_EQ(sheet.size(), QSize(570, 670));
    EXPECT_EQ(empty.pixel(300, 300), qRgb(0, 0, 128));
    // The frame's top edge is a white line; headings are cyan, text white.
    EXPECT_EQ(sheet.pixel(200, 10), qRgb(255, 255, 255));
    int cyan = 0, white = 0; // text is smoothed: count the clearly coloured pixels
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x) {
            const QRgb p = sheet.pixel(x, y);
            cyan += qRed(p) < 100 && qGreen(p) > 200 && qBlue(p) > 200;
            white += qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) > 200;
        }
    EXPECT_GT(cyan, 200);
    EXPECT_GT(white, 3000);
    // Nothing is drawn below the verdict box; the picture's thin black border is the one the
    // result window draws on its first, 650 rows high picture, and 20 navy rows follow it.
    for (int x = 1; x < sheet.width() - 1; x += 3)
        EXPECT_EQ(sheet.pixel(x, 650), qRgb(0, 0, 128));
    for (int x : {0, 300, 569}) {
        EXPECT_EQ(sheet.pixel(x, 0), qRgb(0, 0, 0));
        EXPECT_EQ(sheet.pixel(x, 649), qRgb(0, 0, 0));
        EXPECT_EQ(sheet.pixel(x, 669), qRgb(0, 0, 128));
    }

    const std::string png = Path("sheet.png");
    ASSERT_TRUE(WriteScreenSheetPng(QString::fromStdString(png), m_record, Calculate(m_record)));
    EXPECT_EQ(QImage(QString::fromStdString(png)).size(), QSize(570, 670));
}

TEST_F(SheetOutput, DrawLogMeasuresWithTheSheetFont) {
    const std::string log =
        SheetDrawLog(m_record, Calculate(m_record), PrintSettings{}, SheetTarget::kScreen, "");
    EXPECT_EQ(log.rfind(R"({"op":"rect","x":15,"y":10,"x2":525,"y2":228)", 0), 0u);
    EXPECT_NE(log.find(R"("x":23,"y":18,"size":9,"color":"#00ffff","text":"□床の概要／使用材料")"),
              std::string::npos);
    const std::string printed = SheetDrawLog(m_record, Calculate(m_record), PrintSettings{},
                                             SheetTarget::kPrinter, "today");
    EXPECT_NE(printed.find(R"("text":"Ａｒｖｅｌ株式会社 [today]")"), std::string::npos);
    EXPECT_NE(printed.find(R"({"op":"rect","x":307,"y":590,"x2":4417,"y2":2125)"),
              std::string::npos);
}

// A picture canvas that also notes where each text went.
class NotingCanvas : public QtCanvas {
public:
    using QtCanvas::QtCanvas;
    void TextOut(int x, int y, const std::string &text) override {
        m_texts.push_back({x, y, text});
        QtCanvas::TextOut(x, y, text);
    }
    struct Text {
        int x, y;
        std::string text;
        bool operator==(const Text &) const = default;
    };
    std::vector<Text> m_texts;
};

std::vector<NotingCanvas::Text> LoggedTexts(const std::string &log) {
    std::vector<NotingCanvas::Text> texts;
    std::istringstream lines(log);
    std::string line;
    while (std::getline(lines, line)) {
        const rapidjson::Document op = korvane::test::ParseJson(line);
        if (op["op"] == "text")
            texts.push_back({op["x"].GetInt(), op["y"].GetInt(), op["text"].GetString()});
    }
    return texts;
}

TEST_F(SheetOutput, DrawLogPlacesEveryTextWhereThePictureAndPageHaveIt) {
    const CalculationResult result = Calculate(m_record);
    QImage picture = NewResultPicture();
    NotingCanvas screen(picture, kScreenFontDpi);
    DrawSheet(screen, SheetTarget::kScreen, m_record, result, PrintSettings{}, "");
    EXPECT_EQ(
        LoggedTexts(SheetDrawLog(m_record, result, PrintSettings{}, SheetTarget::kScreen, "")),
        screen.m_texts);

    QPdfWriter pdf(m_dir.filePath("noted.pdf"));
    pdf.setResolution(kPdfResolution);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    QPainter painter(&pdf);
    NotingCanvas page(painter, kPdfResolution, pdf.width(), kPdfResolution);
    DrawSheet(page, SheetTarget::kPrinter, m_record, result, PrintSettings{}, "d");
    EXPECT_EQ(
        LoggedTexts(SheetDrawLog(m_record, result, PrintSettings{}, SheetTarget::kPrinter, "d")),
        page.m_texts);
}

} // namespace
} // namespace korvane

// The sheet's text widths from the built-in advance widths (the browser build's measure)
// against the desktop's font engine: every character code page 932 holds, alone and in a
// run, at every pixel size the picture and the printed page use, has the same width, so
// that both builds place every text of the sheet alike.
namespace korvane {
namespace {

// Every character code page 932 holds and the sheet's font draws, once each, as UTF-8. The
// few it does not draw (∑ and the user-defined area) the desktop takes from whatever font
// the machine offers, so their widths are the machine's, not the program's.
std::vector<std::string> Cp932Characters() {
    const QRawFont sheetFont = QRawFont::fromFont(QFont(QStringLiteral("IPAPGothic")));
    const auto drawn = [&](const std::string &text) {
        return sheetFont.supportsCharacter(QString::fromUtf8(text).toUcs4().value(0));
    };
    std::set<std::string> characters;
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        const std::string single(1, static_cast<char>(byte));
        if (const std::string text = Cp932ToUtf8(single); drawn(text))
            characters.insert(text);
        for (int second = 0x40; second <= 0xFC; ++second) {
            const std::string pair{static_cast<char>(byte), static_cast<char>(second)};
            if (const std::string text = Cp932ToUtf8(pair); text != "?" && drawn(text))
                characters.insert(text);
        }
    }
    return {characters.begin(), characters.end()};
}

// The character heights of the sheet's font sizes (6 to 16 points) on the picture and on
// the printed page.
std::vector<int> PixelSizes() {
    std::vector<int> sizes;
    for (int points = 6; points <= 16; ++points)
        for (const int dpi : {kScreenFontDpi, kPdfResolution})
            sizes.push_back(FontPixelSize(points, dpi));
    return sizes;
}

TEST(SheetFontMeasure, EveryCharacterIsAsWideAsTheDesktopMeasuresIt) {
    ASSERT_TRUE(QFontDatabase::hasFamily("IPAPGothic")) << "the sheet's font is not installed";
    const std::vector<std::string> characters = Cp932Characters();
    for (const int pixelSize : PixelSizes()) {
        std::string run;
        for (const std::string &c : characters) {
            ASSERT_EQ(SheetFontTextWidth(c, pixelSize), QtTextWidth(c, pixelSize))
                << c << " at " << pixelSize << " px";
            run += c;
            if (run.size() > 60) { // widths add up as the desktop adds them
                ASSERT_EQ(SheetFontTextWidth(run, pixelSize), QtTextWidth(run, pixelSize))
                    << run << " at " << pixelSize << " px";
                run.clear();
            }
        }
    }
}

} // namespace
} // namespace korvane

int main(int argc, char **argv) {
    // The sheet needs fonts, not a display: run without one unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
