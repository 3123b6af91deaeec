// The least a Qt command-line program costs to start: a QCoreApplication with an argument
// parser that reads the same options as korvane-calc and names the files given. The
// start-up benchmark holds a one-file korvane-calc run against this.

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"json", "JSON"});
    parser.addOption({"target", "target", "screen|printer", "screen"});
    parser.addOption({"png", "PNG", "OUT.png"});
    parser.addOption({"pdf", "PDF", "OUT.pdf"});
    parser.addOption({"draw-log", "draw log"});
    parser.addOption({"date", "date", "TEXT"});
    parser.addPositionalArgument("files", "files", "[FILE.fdt...]");
    parser.process(app);
    for (const QString &file : parser.positionalArguments())
        std::printf("%s\n", qPrintable(file));
    return 0;
}
