#include "formats/EmfConversion.h"

#include <emf2svg.h>

#include <cstdlib>

namespace korvane {

std::string EmfToSvg(std::string_view emf) {
    if (!IsWellFormedEmf(emf))
        return {};
    std::string input(emf); // the converter takes a writable buffer
    generatorOptions options{};
    options.nameSpace = const_cast<char *>("");
    options.verbose = false;
    options.emfplus = true;
    options.svgDelimiter = true;
    char *out = nullptr;
    size_t outLength = 0;
    const int ok = emf2svg(input.data(), input.size(), &out, &outLength, &options);
    std::string svg;
    if (ok && out)
        svg.assign(out, outLength);
    std::free(out);
    return svg;
}

} // namespace korvane
