// Loading the reminder and festival files into heap blocks of the shell's process.
#include <windows.h>

#include <cinttypes>
#include <cstring>

#include "hook/desktop/desktop_holidays.h"
#include "hook/desktop/reminders.h"
#include "hook/logic/background_settings.h"
#include "shared/hook_rem_loader.h"
#include "shared/lunar_reminder_file.h"
#include "shared/path_rules.h"
#include "shared/registry_layout.h"
#include "shared/rem_files.h"
#include "shared/win32/debug_log.h"
#include "shared/win32/win_registry.h"

namespace luna {

char* userReminders[kReminderSlots] = {};
char* userGregorianFestivals[kFestivalSlots] = {};
char* userLunarFestivals[kFestivalSlots] = {};
char* userLunarReminders[kReminderSlots] = {};

namespace {

void FreeBlock(char*& entry) {
    if (entry != nullptr) {
        HeapFree(GetProcessHeap(), 0, entry);
        entry = nullptr;
    }
}

template <std::size_t N> void FreeAll(char* (&entries)[N]) {
    for (char*& entry : entries) {
        FreeBlock(entry);
    }
}

// Stores each record of one file into the next entry of its array, as a zero-filled heap
// block exactly as large as the text and its terminator.
template <std::size_t N> class HeapCopySink final : public HookRecordSink {
  public:
    HeapCopySink(char* (&entries)[N], const char* allocationFailure)
        : entries_(entries), allocationFailure_(allocationFailure) {}

    void Opened() override {
        FreeAll(entries_);
        next_ = 0;
    }

    void Take(const char* text, std::size_t length) override {
        if (next_ >= N) {
            return;
        }
        auto* block = static_cast<char*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, length + 1));
        if (block == nullptr) {
            WriteDebugLog(allocationFailure_);
        } else {
            std::memcpy(block, text, length);
            entries_[next_] = block;
        }
        ++next_;
    }

  private:
    char* (&entries_)[N];
    const char* allocationFailure_;
    std::size_t next_ = 0;
};

} // namespace

int LoadReminderFiles() {
    char backImage[kPathCapacity];
    WinRegistry currentUser(HKEY_CURRENT_USER);
    ReadBackImageFrom(currentUser, backImage); // "" when unreadable
    char folder[kPathCapacity];
    if (!FolderOfPath(backImage, folder)) {
        return 0;
    }

    // A folder so long that a file name no longer fits the path buffer: that file counts
    // as one that does not open.
    char path[kPathCapacity];
    if (JoinPath(folder, kSolarFileName, path)) {
        HeapCopySink<kFestivalSlots> solar(userGregorianFestivals,
                                           "in read file,allocate itrm error!!!!");
        LoadHookFestivals(path, solar);
    }
    if (JoinPath(folder, kLunarFileName, path)) {
        HeapCopySink<kFestivalSlots> lunar(userLunarFestivals,
                                           "In read file,item allocate error!22222222222");
        LoadHookFestivals(path, lunar);
    }
    HeapCopySink<kReminderSlots> reminders(userReminders, "in read file,allocate itrm error!!!!");
    if (!JoinPath(folder, kReminderFileName, path) || !LoadHookReminders(path, reminders).opened) {
        WriteDebugLog("Open Reminder File fail!!");
    }
    // The lunar reminders: the same record style and limits. The file is optional, so a
    // missing one is not logged.
    if (JoinPath(folder, kLunarReminderFileName, path)) {
        HeapCopySink<kReminderSlots> lunar(userLunarReminders,
                                           "in read file,allocate itrm error!!!!");
        LoadHookReminders(path, lunar);
    }
    LoadDesktopHolidays(folder);
    return 1;
}

void FreeReminderCopies() {
    std::size_t i = 0;
    for (; i < kFestivalSlots; ++i) {
        if (userGregorianFestivals[i] == nullptr && userLunarFestivals[i] == nullptr) {
            break;
        }
        WriteDebugLogf("\n %d,free self merry m_SelfMerrySolar[%d]:%" PRIxPTR
                       ",m_SelfMerryLunch[%d]:%" PRIxPTR,
                       static_cast<int>(i), static_cast<int>(i),
                       reinterpret_cast<std::uintptr_t>(userGregorianFestivals[i]),
                       static_cast<int>(i),
                       reinterpret_cast<std::uintptr_t>(userLunarFestivals[i]));
        FreeBlock(userGregorianFestivals[i]);
        FreeBlock(userLunarFestivals[i]);
    }
    for (std::size_t n = 0; n < kReminderSlots && userReminders[n] != nullptr; ++n) {
        WriteDebugLogf("\n %d,free self merry m_Reminder[%d]:%" PRIxPTR, static_cast<int>(n),
                       static_cast<int>(n), reinterpret_cast<std::uintptr_t>(userReminders[n]));
        FreeBlock(userReminders[n]);
    }
    for (std::size_t n = 0; n < kReminderSlots && userLunarReminders[n] != nullptr; ++n) {
        WriteDebugLogf("\n %d,free lunar reminder m_LunarReminder[%d]:%" PRIxPTR,
                       static_cast<int>(n), static_cast<int>(n),
                       reinterpret_cast<std::uintptr_t>(userLunarReminders[n]));
        FreeBlock(userLunarReminders[n]);
    }
    // Blocks behind a gap left by a failed allocation are not reachable by the lists but
    // are still ours.
    FreeAll(userGregorianFestivals);
    FreeAll(userLunarFestivals);
    FreeAll(userReminders);
    FreeAll(userLunarReminders);
    FreeDesktopHolidays();
}

std::size_t LunarRemindersDueOn(const LocalTime& day, ReminderEntry (&out)[kReminderSlots]) {
    return LunarRemindersOnDay(userLunarReminders, kReminderSlots, day.year, day.month, day.day,
                               out, kReminderSlots);
}

void ClearFestivalCopies() {
    FreeAll(userGregorianFestivals);
    FreeAll(userLunarFestivals);
}

} // namespace luna
