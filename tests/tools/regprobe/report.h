// Prints the records regprobe reads as "name=value" lines on stdout.
#pragma once

#include <windows.h>

#include "shared/display_settings.h"
#include "shared/font_record.h"

namespace luna {

void PrintDisplaySettings(const DisplaySettings& s);
void PrintFont(const char* prefix, const FontRecord& font);

} // namespace luna
