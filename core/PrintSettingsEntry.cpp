#include "core/PrintSettingsEntry.h"

#include "core/TextCodec.h"

namespace korvane {

PrintSettings EnteredPrintSettings(std::string_view title, std::string_view pageText,
                                   std::int32_t pageNumberPos) {
    PrintSettings settings;
    if (!title.empty() && title != kTitlePlaceholder)
        settings.projectTitle = AsRecordText(title);
    settings.pageText = AsRecordText(pageText);
    settings.pageNumberPos = KnownPageNumberPos(pageNumberPos);
    return settings;
}

} // namespace korvane
