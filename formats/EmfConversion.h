#pragma once
// Enhanced metafile pictures (the help pictures): the checks that keep a damaged file away
// from the converter, and the conversion to SVG by libemf2svg.

#include <string>
#include <string_view>

namespace korvane {

// Whether the bytes are a metafile whose framing the converter can walk safely: a header
// record with the metafile signature whose description and pixel format lie inside it,
// then records of whole 4-byte units that lie within the file, up to an end-of-file record.
bool IsWellFormedEmf(std::string_view emf);

// SVG text of an enhanced metafile, or an empty text when the bytes are not a metafile
// that libemf2svg can convert.
std::string EmfToSvg(std::string_view emf);

} // namespace korvane
