// libFuzzer target: any bytes given to the rich-text reader must be read to their end
// without a crash, a hang or a read outside the input.

#include "ui/RtfReader.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QTextDocument document;
    korvane::ReadRtf(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)),
                     document);
    if (document.toRawText().size() > qsizetype(size) + 1)
        std::abort(); // every shown character comes from at least one input byte
    return 0;
}
