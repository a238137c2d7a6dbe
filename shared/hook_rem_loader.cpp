// The hook library's loading of the reminder and festival files.
#include "shared/hook_rem_loader.h"

#include <cstring>

#include "shared/rem_files.h"
#include "shared/text_mode.h"

namespace luna {
namespace {

// Hands the records of one chunk to the sink while fewer than `limit` were handed over.
template <std::size_t RecordSize>
void TakeRecords(const std::uint8_t* chunk, std::size_t got, std::size_t limit, std::size_t& taken,
                 HookRecordSink& sink) {
    for (std::size_t i = 0; i < got && taken < limit; ++i) {
        char text[RecordSize + 1];
        std::memcpy(text, chunk + i * RecordSize, RecordSize);
        text[RecordSize] = '\0';
        sink.Take(text, std::strlen(text));
        ++taken;
    }
}

// Reads chunks of `Chunk` records until a chunk comes back short, the file ends or fails,
// or `limit` records were taken. Records beyond the limit are ignored.
template <std::size_t RecordSize, std::size_t Chunk>
std::size_t LoadRecords(ByteSource& raw, std::size_t limit, HookRecordSink& sink) {
    sink.Opened();
    TextModeReader reader(raw);
    std::uint8_t chunk[RecordSize * Chunk];
    std::size_t taken = 0;
    while (taken < limit && !reader.AtEnd()) {
        std::memset(chunk, 0, sizeof chunk);
        const std::size_t got = reader.ReadRecords(chunk, RecordSize, Chunk);
        TakeRecords<RecordSize>(chunk, got, limit, taken, sink);
        if (got < Chunk || reader.Failed()) {
            break;
        }
    }
    return taken;
}

template <std::size_t RecordSize, std::size_t Chunk>
HookLoadOutcome LoadFile(const char* path, std::size_t limit, HookRecordSink& sink) {
    HookLoadOutcome outcome;
    FileSource file(path);
    if (!file.IsOpen()) {
        return outcome;
    }
    outcome.opened = true;
    outcome.records = LoadRecords<RecordSize, Chunk>(file, limit, sink);
    return outcome;
}

} // namespace

std::size_t LoadHookRemindersFrom(ByteSource& raw, HookRecordSink& sink) {
    return LoadRecords<kReminderRecordSize, kHookReminderChunk>(raw, kHookMaxReminders, sink);
}

std::size_t LoadHookFestivalsFrom(ByteSource& raw, HookRecordSink& sink) {
    return LoadRecords<kFestivalRecordSize, kHookFestivalChunk>(raw, kHookMaxFestivals, sink);
}

HookLoadOutcome LoadHookReminders(const char* path, HookRecordSink& sink) {
    return LoadFile<kReminderRecordSize, kHookReminderChunk>(path, kHookMaxReminders, sink);
}

HookLoadOutcome LoadHookFestivals(const char* path, HookRecordSink& sink) {
    return LoadFile<kFestivalRecordSize, kHookFestivalChunk>(path, kHookMaxFestivals, sink);
}

} // namespace luna
