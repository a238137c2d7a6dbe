// The reminder and festival files as the control application reads and writes them.
#include "shared/rem_files.h"

#include <cstring>

#include "shared/file_replace.h"
#include "shared/path_rules.h"
#include "shared/text_mode.h"

namespace luna {
namespace {

// Appends one record holding at most maxText bytes of `text` (up to its first NUL),
// zero-filled to recordSize.
void AppendRecord(const std::string& text, std::size_t maxText, std::size_t recordSize,
                  std::vector<std::uint8_t>& records) {
    const std::size_t start = records.size();
    records.resize(start + recordSize, 0);
    const std::size_t length = std::strlen(text.c_str());
    std::memcpy(records.data() + start, text.data(), length < maxText ? length : maxText);
}

} // namespace

std::string RecordText(const std::uint8_t* record, std::size_t size) {
    const void* nul = std::memchr(record, 0, size);
    const std::size_t length =
        nul == nullptr ? size
                       : static_cast<std::size_t>(static_cast<const std::uint8_t*>(nul) - record);
    return std::string(reinterpret_cast<const char*>(record), length);
}

std::vector<std::string> ReadReminderRecords(ByteSource& raw) {
    TextModeReader reader(raw);
    std::vector<std::string> items;
    std::uint8_t chunk[kAppReminderChunk * kReminderRecordSize];
    for (;;) {
        const std::size_t got = reader.ReadRecords(chunk, kReminderRecordSize, kAppReminderChunk);
        for (std::size_t i = 0; i < got; ++i) {
            items.push_back(RecordText(chunk + i * kReminderRecordSize, kReminderRecordSize));
        }
        if (got < kAppReminderChunk || reader.AtEnd() || reader.Failed()) {
            return items;
        }
    }
}

std::vector<std::string> ReadFestivalRecords(ByteSource& raw) {
    TextModeReader reader(raw);
    std::vector<std::string> items;
    std::uint8_t chunk[kAppFestivalChunkBytes];
    for (;;) {
        const std::size_t got = reader.Read(chunk, sizeof chunk);
        for (std::size_t at = 0; at + kFestivalRecordSize <= got; at += kFestivalRecordSize) {
            std::string text = RecordText(chunk + at, kFestivalRecordSize);
            if (text != kFestivalEndText) {
                items.push_back(std::move(text));
            }
        }
        if (got < sizeof chunk || reader.AtEnd() || reader.Failed()) {
            return items;
        }
    }
}

bool ReadReminderFile(const char* path, std::vector<std::string>* items) {
    items->clear();
    FileSource file(path);
    if (!file.IsOpen()) {
        return false;
    }
    *items = ReadReminderRecords(file);
    return true;
}

bool ReadFestivalFile(const char* path, std::vector<std::string>* items) {
    items->clear();
    FileSource file(path);
    if (!file.IsOpen()) {
        return false;
    }
    *items = ReadFestivalRecords(file);
    return true;
}

std::vector<std::uint8_t> ReminderFileBytes(const std::vector<std::string>& items) {
    std::vector<std::uint8_t> records;
    records.reserve(items.size() * kReminderRecordSize);
    for (const std::string& item : items) {
        AppendRecord(item, kReminderRecordSize - 1, kReminderRecordSize, records);
    }
    return EncodeTextMode(records);
}

std::vector<std::uint8_t> FestivalFileBytes(const std::vector<std::string>& items) {
    std::vector<std::uint8_t> records;
    records.reserve((items.size() + 1) * kFestivalRecordSize);
    for (const std::string& item : items) {
        AppendRecord(item, kFestivalRecordSize, kFestivalRecordSize, records);
    }
    AppendRecord(kFestivalEndText, kFestivalRecordSize, kFestivalRecordSize, records);
    return EncodeTextMode(records);
}

bool WriteReminderFile(const char* path, const std::vector<std::string>& items) {
    const std::vector<std::uint8_t> bytes = ReminderFileBytes(items);
    return WriteFileReplacing(path, bytes.data(), bytes.size());
}

bool WriteFestivalFile(const char* path, const std::vector<std::string>& items) {
    const std::vector<std::uint8_t> bytes = FestivalFileBytes(items);
    return WriteFileReplacing(path, bytes.data(), bytes.size());
}

} // namespace luna
