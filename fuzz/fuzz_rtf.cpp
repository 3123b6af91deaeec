// libFuzzer target: any bytes given to the rich-text reader must be read to their end
// without a crash, a hang or a read outside the input, and give no more text than bytes.

#include "formats/RtfReader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace korvane;
    const RichText text = ParseRtf(std::string_view(reinterpret_cast<const char *>(data), size));
    std::size_t characters = 0;
    for (const RichTextParagraph &paragraph : text.paragraphs)
        for (const RichTextRun &run : paragraph.runs)
            for (const char c : run.text)
                characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    if (characters > size + 1)
        std::abort(); // every shown character comes from at least one input byte
    return 0;
}
