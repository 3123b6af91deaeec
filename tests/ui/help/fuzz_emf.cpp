// libFuzzer target: any bytes given as a help picture must either be refused or turn into
// SVG, without a crash or a read outside the input.

#include "ui/EmfPicture.h"

#include <QGuiApplication>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    korvane::EmfToSvg(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
