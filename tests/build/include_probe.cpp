// Compiled only by the build.*_cannot_include_* tests, which expect the include below to
// be missing: a library sees no header of a layer above it.
#include KORVANE_PROBE_HEADER
