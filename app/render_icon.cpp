// Build step of the desktop program: renders the program's SVG icon into PNG images of the
// sizes a window manager is given (RenderIcon SVG OUT_FOLDER SIZE...; writes
// OUT_FOLDER/korvane-SIZE.png). The images are rendered by Qt's own SVG icon engine, as the
// program drew them from the SVG at run time, so that the program can take the same pixels
// without loading the SVG libraries at its start.

#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>

#include <cstdio>

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: render_icon SVG OUT_FOLDER SIZE...\n");
        return 2;
    }
    const QIcon icon(QString::fromLocal8Bit(argv[1]));
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        const QPixmap pixmap = icon.pixmap(QSize(size, size));
        const QString file = folder.filePath(QStringLiteral("korvane-%1.png").arg(size));
        if (pixmap.size() != QSize(size, size) || !pixmap.save(file, "PNG")) {
            std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
