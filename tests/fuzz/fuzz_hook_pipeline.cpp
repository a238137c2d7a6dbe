// The hook library's whole way from hostile input to what it draws: a settings record as
// any sender may copy it, a moment, and any bytes as "Reminder.rem", "Solar.rem" and
// "Lunch.rem", loaded as the library loads them (at most 50 reminders, 355 festival
// records each), then every text it composes: the calendar text, the clock text, the month
// grid's cells, the reminder panel and the alert's test. Nothing overflows, every text is
// terminated within its buffer, and the panel is always exactly its 2000 characters.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "hook/logic/reminder_check.h"
#include "hook/logic/reminder_panel_text.h"
#include "shared/desktop_text.h"
#include "shared/display_settings.h"
#include "shared/hook_rem_loader.h"
#include "shared/month_annotations.h"

namespace {

// The library's arrays of copies: each record's text in the next slot, until they are full.
template <std::size_t N> struct Slots : luna::HookRecordSink {
    void Opened() override { count = 0; }
    void Take(const char* text, std::size_t length) override {
        FUZZ_CHECK(std::strlen(text) == length);
        if (count < N) {
            copies[count++].assign(text, length);
        }
    }
    // Null-terminated list of the copies, as the library hands them on.
    std::vector<const char*> Entries() const {
        std::vector<const char*> entries(N, nullptr);
        for (std::size_t i = 0; i < count; ++i) {
            entries[i] = copies[i].c_str();
        }
        return entries;
    }
    std::string copies[N];
    std::size_t count = 0;
};

// Cuts the next piece off the input: two bytes of length, then that many bytes.
std::vector<std::uint8_t> Piece(const std::uint8_t*& data, std::size_t& size) {
    if (size < 2) {
        size = 0;
        return {};
    }
    std::size_t length = data[0] | (data[1] & 0x3F) << 8;
    data += 2;
    size -= 2;
    length = length < size ? length : size;
    std::vector<std::uint8_t> piece(data, data + length);
    data += length;
    size -= length;
    return piece;
}

void CheckTerminated(const char* text, std::size_t size, std::size_t length) {
    FUZZ_CHECK(std::memchr(text, 0, size) != nullptr);
    FUZZ_CHECK(std::strlen(text) == length);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kHead = sizeof(luna::DisplaySettings) + 8;
    if (size < kHead) {
        return 0;
    }
    luna::DisplaySettings settings;
    std::memcpy(&settings, data, sizeof settings);
    const std::uint8_t* t = data + sizeof settings;
    luna::LocalTime now{};
    now.year = 1850 + (t[0] | t[1] << 8) % 300; // inside and outside the tables
    now.month = 1 + t[2] % 12;
    now.day = 1 + t[3] % 31;
    now.weekday = t[4] % 7;
    now.hour = t[5] % 24;
    now.minute = t[6] % 60;
    now.second = t[7] % 60;
    data += kHead;
    size -= kHead;

    Slots<luna::kHookMaxReminders> reminders;
    Slots<luna::kHookMaxFestivals> solar;
    Slots<luna::kHookMaxFestivals> lunar;
    const std::vector<std::uint8_t> reminderFile = Piece(data, size);
    const std::vector<std::uint8_t> solarFile = Piece(data, size);
    const std::vector<std::uint8_t> lunarFile(data, data + size);
    luna::MemorySource reminderSource(reminderFile.data(), reminderFile.size());
    luna::MemorySource solarSource(solarFile.data(), solarFile.size());
    luna::MemorySource lunarSource(lunarFile.data(), lunarFile.size());
    luna::LoadHookRemindersFrom(reminderSource, reminders);
    luna::LoadHookFestivalsFrom(solarSource, solar);
    luna::LoadHookFestivalsFrom(lunarSource, lunar);
    const std::vector<const char*> reminderEntries = reminders.Entries();
    const std::vector<const char*> solarEntries = solar.Entries();
    const std::vector<const char*> lunarEntries = lunar.Entries();

    char calendarText[1024];
    std::memset(calendarText, 'x', sizeof calendarText);
    std::size_t length = luna::ComposeDesktopCalendarText(
        now, settings, solarEntries.data(), solarEntries.size(), lunarEntries.data(),
        lunarEntries.size(), calendarText, sizeof calendarText);
    CheckTerminated(calendarText, sizeof calendarText, length);

    char clockText[64];
    luna::DisplaySettings clockSettings = settings;
    length = luna::ComposeClockText(now, clockSettings, clockText, sizeof clockText);
    CheckTerminated(clockText, sizeof clockText, length);

    const luna::DesktopMonth month =
        luna::BuildDesktopMonth(now.year, now.month, settings, solarEntries.data(),
                                solarEntries.size(), lunarEntries.data(), lunarEntries.size());
    FUZZ_CHECK(month.daysInMonth >= 0 && month.daysInMonth <= 31);
    for (int day = 1; day <= month.daysInMonth; ++day) {
        char annotation[luna::kCellAnnotationMax];
        length = luna::JoinCellAnnotation(month, day, annotation, sizeof annotation);
        CheckTerminated(annotation, sizeof annotation, length);
    }

    static luna::ReminderPanelText panel;
    luna::ComposeReminderPanelText(reminderEntries.data(), reminderEntries.size(), panel);
    FUZZ_CHECK(std::strlen(panel.text) == luna::kReminderPanelChars);
    FUZZ_CHECK(panel.entriesShown <= reminders.count);

    const luna::ReminderStamp stamp =
        luna::FormatReminderStamp(now.month, now.day, now.hour, now.minute);
    for (std::size_t i = 0; i < reminders.count; ++i) {
        if (luna::ReminderIsDue(reminderEntries[i], stamp)) {
            FUZZ_CHECK(std::strncmp(reminderEntries[i], stamp.text, 11) == 0);
        }
    }
    return 0;
}
