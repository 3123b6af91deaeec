// libFuzzer target: any bytes given as a help picture must either be refused by the checks
// or turn into SVG, without a crash or a read outside the input.

#include "formats/EmfConversion.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view emf(reinterpret_cast<const char *>(data), size);
    const std::string svg = korvane::EmfToSvg(emf);
    if (!svg.empty() && !korvane::IsWellFormedEmf(emf))
        std::abort(); // only bytes that pass the checks reach the converter
    return 0;
}
