#include "core/PrintSettings.h"

namespace korvane {

std::int32_t KnownPageNumberPos(std::int32_t code) {
    switch (code) {
    case 10:
    case 11:
    case 12:
    case 20:
    case 21:
    case 22:
        return code;
    default:
        return 0;
    }
}

} // namespace korvane
