// The reminder and festival files as the control application reads and writes them.
#include "shared/rem_files.h"

#include <cstring>

#include "shared/file_replace.h"
#include "shared/gbk_text.h"
#include "shared/path_rules.h"
#include "shared/text_mode.h"

namespace luna {
namespace {

// Appends one record holding at most maxText bytes of `text` (up to its first NUL),
// zero-filled to recordSize. A text cut to make room for the terminator is cut on a
// character boundary; one that fills the record whole is kept as it is.
void AppendRecord(const std::string& text, std::size_t maxText, std::size_t recordSize,
                  std::vector<std::uint8_t>& records) {
    const std::size_t start = records.size();
    records.resize(start + recordSize, 0);
    std::size_t length = std::strlen(text.c_str());
    if (length > maxText) {
        length = maxText < recordSize ? GbkCutLength(text.c_str(), maxText) : maxText;
    }
    std::memcpy(records.data() + start, text.data(), length);
}

} // namespace

std::string RecordText(const std::uint8_t* record, std::size_t size) {
    const void* nul = std::memchr(record, 0, size);
    const std::size_t length =
        nul == nullptr ? size
                       : static_cast<std::size_t>(static_cast<const std::uint8_t*>(nul) - record);
    return std::string(reinterpret_cast<const char*>(record), length);
}

ReadCompleteness ReadFixedRecords(ByteSource& raw, std::size_t recordSize, std::size_t chunkRecords,
                                  std::size_t maxItems, const char* skipText,
                                  std::vector<std::string>* items) {
    items->clear();
    TextModeReader reader(raw);
    std::vector<std::uint8_t> chunk(recordSize * chunkRecords);
    for (;;) {
        const std::size_t got = reader.Read(chunk.data(), chunk.size());
        for (std::size_t at = 0; at + recordSize <= got; at += recordSize) {
            std::string text = RecordText(chunk.data() + at, recordSize);
            if (skipText != nullptr && text == skipText) {
                continue;
            }
            if (items->size() == maxItems) {
                return ReadCompleteness::TooMany;
            }
            items->push_back(std::move(text));
        }
        if (got < chunk.size() || reader.AtEnd() || reader.Failed()) {
            const bool whole = got % recordSize == 0 && !reader.Failed() && !reader.StoppedEarly();
            return whole ? ReadCompleteness::Whole : ReadCompleteness::Partial;
        }
    }
}

std::vector<std::string> ReadReminderRecords(ByteSource& raw, ReadCompleteness* outcome) {
    std::vector<std::string> items;
    const ReadCompleteness read = ReadFixedRecords(raw, kReminderRecordSize, kAppReminderChunk,
                                                   kAppMaxFileItems, nullptr, &items);
    if (outcome != nullptr) {
        *outcome = read;
    }
    return items;
}

std::vector<std::string> ReadFestivalRecords(ByteSource& raw, ReadCompleteness* outcome) {
    std::vector<std::string> items;
    const ReadCompleteness read =
        ReadFixedRecords(raw, kFestivalRecordSize, kAppFestivalChunkBytes / kFestivalRecordSize,
                         kAppMaxFileItems, kFestivalEndText, &items);
    if (outcome != nullptr) {
        *outcome = read;
    }
    return items;
}

namespace {

ReadCompleteness ReadRecordFile(const char* path, std::vector<std::string>* items,
                                std::vector<std::string> (*reader)(ByteSource&,
                                                                   ReadCompleteness*)) {
    items->clear();
    FileSource file(path);
    if (!file.IsOpen()) {
        return ReadCompleteness::NoFile;
    }
    ReadCompleteness read = ReadCompleteness::Whole;
    *items = reader(file, &read);
    return read;
}

} // namespace

ReadCompleteness ReadReminderFile(const char* path, std::vector<std::string>* items) {
    return ReadRecordFile(path, items, ReadReminderRecords);
}

ReadCompleteness ReadFestivalFile(const char* path, std::vector<std::string>* items) {
    return ReadRecordFile(path, items, ReadFestivalRecords);
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
