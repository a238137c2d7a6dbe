// The reminder and festival files as the hook library loads them inside the shell: chunks
// of 12 reminder records and 40 festival records, at most 50 reminders and 355 festival
// records per file, the end record "FFFF" kept as an entry. Nothing here throws, allocates
// or logs: records are handed to the caller, which owns the copies and writes the log
// lines.
#pragma once

#include <cstddef>

#include "shared/byte_source.h"

namespace luna {

constexpr std::size_t kHookMaxReminders = 50;
constexpr std::size_t kHookMaxFestivals = 355;
constexpr std::size_t kHookReminderChunk = 12;
constexpr std::size_t kHookFestivalChunk = 40;

class HookRecordSink {
  public:
    // The file has opened; the caller drops its old entries now.
    virtual void Opened() = 0;
    // One record: its text, terminated, at most one record's size long. Every call fills
    // the next entry, whether or not the caller manages to store it.
    virtual void Take(const char* text, std::size_t length) = 0;

  protected:
    ~HookRecordSink() = default;
};

struct HookLoadOutcome {
    bool opened = false;     // false: not opened (missing, unreadable, path too long)
    std::size_t records = 0; // records handed to the sink
};

HookLoadOutcome LoadHookReminders(const char* path, HookRecordSink& sink);
HookLoadOutcome LoadHookFestivals(const char* path, HookRecordSink& sink);

// The same over an already open source (Opened is called first).
std::size_t LoadHookRemindersFrom(ByteSource& raw, HookRecordSink& sink);
std::size_t LoadHookFestivalsFrom(ByteSource& raw, HookRecordSink& sink);

} // namespace luna
