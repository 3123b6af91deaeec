#pragma once
// The options of korvane-calc that draw the sheet (a picture, a page, the draw log): they
// measure text with fonts, so a run that has one is carried out by the drawing part. Used by
// the launcher, which loads no library beyond the C library: nothing here needs more.

#include <string_view>

namespace korvane {

namespace drawing_option {
constexpr const char *kPng = "png";
constexpr const char *kPdf = "pdf";
constexpr const char *kDrawLog = "draw-log";
constexpr const char *kAll[] = {kPng, kPdf, kDrawLog};
} // namespace drawing_option

// Whether an argument is one of the drawing options ("--pdf", "--pdf=OUT", "--draw-log").
// Every argument is looked at: one that only looks like a drawing option (after "--", or an
// option's value) sends the run to the drawing part too, whose parser reads the arguments as
// the text part's would, so the output is the same.
inline bool AsksForDrawing(int argc, char *argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (!argument.starts_with("--"))
            continue;
        for (const char *name : drawing_option::kAll)
            if (argument.substr(2).starts_with(name))
                return true;
    }
    return false;
}

} // namespace korvane
