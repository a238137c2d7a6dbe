// GetDate: today's calendar text, as the notification tip shows it.
#include "hook/lunahook.h"

#include "calendar/calendar_text.h"

extern "C" int GetDate(char* buffer) {
    if (buffer == nullptr) {
        return 1;
    }
    SYSTEMTIME now;
    GetLocalTime(&now);
    luna::ComposeCalendarText(now.wYear, now.wMonth, now.wDay, now.wHour, buffer);
    return 1;
}
