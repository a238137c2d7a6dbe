// "name=value" lines for the scenarios to grep.
#include "report.h"

#include <cstdio>

namespace luna {
namespace {

void Number(const char* name, unsigned long value) {
    std::printf("%s=%lu\n", name, value);
}
void Hex(const char* name, unsigned long value) {
    std::printf("%s=0x%06lX\n", name, value);
}

} // namespace

void PrintDisplaySettings(const DisplaySettings& s) {
    Number("yearDigits", s.yearDigits);
    Number("showWeekday", s.showWeekday);
    Number("showDate", s.showDate);
    Number("hour12", s.hour12);
    Number("showSeconds", s.showSeconds);
    Number("dateOrder", s.dateOrder);
    Number("bkDisplayStyle", s.bkDisplayStyle);
    Number("reminderExact", s.reminderExact);
    Number("showSolarFestivals", s.showSolarFestivals);
    Number("showLunarFestivals", s.showLunarFestivals);
    Number("showSolarTerms", s.showSolarTerms);
    Number("showOwnSolarFestivals", s.showOwnSolarFestivals);
    Number("showOwnLunarFestivals", s.showOwnLunarFestivals);
    std::printf("timeSeparator=%s\n", ReadSeparator(s.timeSeparator).text);
    std::printf("dateSeparator=%s\n", ReadSeparator(s.dateSeparator).text);
    Number("amPm", s.amPm);
    Hex("reminderBackColor", s.reminderBackColor);
    Hex("clockColor", s.clockColor);
    Hex("calendarColor", s.calendarColor);
    Number("autoStart", s.autoStart);
    Number("desktopStyle", s.desktopStyle);
    Hex("desktopBackColor", s.desktopBackColor);
}

void PrintFont(const char* prefix, const FontRecord& font) {
    std::printf("%s.lfHeight=%ld\n", prefix, static_cast<long>(font.lfHeight));
    std::printf("%s.lfWidth=%ld\n", prefix, static_cast<long>(font.lfWidth));
    std::printf("%s.lfWeight=%ld\n", prefix, static_cast<long>(font.lfWeight));
    std::printf("%s.lfItalic=%u\n", prefix, font.lfItalic);
    std::printf("%s.lfUnderline=%u\n", prefix, font.lfUnderline);
    std::printf("%s.lfStrikeOut=%u\n", prefix, font.lfStrikeOut);
    std::printf("%s.lfCharSet=%u\n", prefix, font.lfCharSet);
    std::printf("%s.lfFaceName=%.32s\n", prefix, font.lfFaceName);
}

} // namespace luna
