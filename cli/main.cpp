// korvane-calc: the calculation of the desktop program without its window. Reads each data
// file given (or takes the default design case), checks and calculates it, and prints one
// JSON object per case on its own line.
//
// Exit status: 0 every case calculated, 2 a case refused by the pre-check, 1 a file that
// could not be read (its message on standard error, nothing else written for it).

#include "cli/CalcJson.h"
#include "cli/FileCase.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <iostream>
#include <stdexcept>

namespace {

constexpr int kExitCalculated = 0;
constexpr int kExitUnreadable = 1;
constexpr int kExitRefused = 2;

void PrintCase(const korvane::FileCase &fileCase)
{
    const auto json = korvane::CaseJson(fileCase);
    std::cout << json.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
              << '\n';
}

int Status(const korvane::FileCase &fileCase)
{
    return fileCase.refusal ? kExitRefused : kExitCalculated;
}

// The worst outcome decides the exit status: unreadable over refused over calculated.
int Worse(int a, int b)
{
    if (a == kExitUnreadable || b == kExitUnreadable)
        return kExitUnreadable;
    return std::max(a, b);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("korvane-calc");

    QCommandLineParser parser;
    parser.setApplicationDescription("フラットデッキ構造計算 (コマンドライン版)");
    parser.addHelpOption();
    parser.addOption({"json", "計算結果を JSON で出力します (既定)。"});
    parser.addPositionalArgument("files", "データファイル (*.fdt)。省略時は既定の設計条件。",
                                 "[FILE.fdt...]");
    parser.process(app);

    std::ios::sync_with_stdio(false);
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) {
        const auto fileCase = korvane::CalculateCase(korvane::DefaultDesignCase());
        PrintCase(fileCase);
        return Status(fileCase);
    }

    int status = kExitCalculated;
    for (const QString &file : files) {
        try {
            const auto fileCase = korvane::CalculateFile(file.toStdString());
            PrintCase(fileCase);
            status = Worse(status, Status(fileCase));
        } catch (const std::exception &error) {
            std::cout.flush();
            std::cerr << "korvane-calc: " << error.what() << std::endl;
            status = Worse(status, kExitUnreadable);
        }
    }
    return status;
}
