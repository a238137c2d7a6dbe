// The reminder and festival files as the control application reads and writes them.
// "Reminder.rem": 100-byte records, no end record. "Solar.rem" and "Lunch.rem": 30-byte
// records closed by the end record "FFFF". All three in text mode (text_mode.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "shared/byte_source.h"
#include "shared/file_replace.h"

namespace luna {

constexpr std::size_t kReminderRecordSize = 100;
constexpr std::size_t kFestivalRecordSize = 30;
constexpr char kFestivalEndText[] = "FFFF";

constexpr char kReminderFileName[] = "Reminder.rem";
constexpr char kSolarFileName[] = "Solar.rem";
constexpr char kLunarFileName[] = "Lunch.rem";
// The reminder page's file, relative to the executable's folder.
constexpr char kReminderPageFile[] = "res\\Reminder.rem";

// The application reads reminders 20 records and festivals 1200 bytes at a time.
constexpr std::size_t kAppReminderChunk = 20;
constexpr std::size_t kAppFestivalChunkBytes = 1200;

// The most items the application holds from one file; the rest of a larger file is not
// read (ReadCompleteness::TooMany). A million-byte reminder file holds this many.
constexpr std::size_t kAppMaxFileItems = 10000;

// The record's text: at most `size` bytes, up to the first NUL.
std::string RecordText(const std::uint8_t* record, std::size_t size);

// The fixed-size records of a text-mode file, `chunkRecords` at a time, at most maxItems of
// them (records equal to `skipText`, when given, are left out and not counted). Whole only
// when the data ended after a complete record, without a read error and not at an
// end-of-file byte with data behind it.
ReadCompleteness ReadFixedRecords(ByteSource& raw, std::size_t recordSize, std::size_t chunkRecords,
                                  std::size_t maxItems, const char* skipText,
                                  std::vector<std::string>* items);

// Every complete reminder record, empty ones included, in file order.
std::vector<std::string> ReadReminderRecords(ByteSource& raw, ReadCompleteness* outcome = nullptr);
// Every complete festival record whose text is not "FFFF" (an end record does not stop the
// reading: later records are read too).
std::vector<std::string> ReadFestivalRecords(ByteSource& raw, ReadCompleteness* outcome = nullptr);

// The same from a file; NoFile (items empty) when it cannot be opened or the path does not
// fit a 260-byte buffer.
ReadCompleteness ReadReminderFile(const char* path, std::vector<std::string>* items);
ReadCompleteness ReadFestivalFile(const char* path, std::vector<std::string>* items);

// The bytes on disk: one record per item (at most 99 bytes of a reminder's text, cut on a
// character boundary so that the record keeps its terminator, at most 30 of a festival's,
// zero-filled), for festivals followed by the end record; text mode applied.
std::vector<std::uint8_t> ReminderFileBytes(const std::vector<std::string>& items);
std::vector<std::uint8_t> FestivalFileBytes(const std::vector<std::string>& items);

// Saves through a temporary file (file_replace.h); false when nothing was saved, the old
// file then being intact.
bool WriteReminderFile(const char* path, const std::vector<std::string>& items);
bool WriteFestivalFile(const char* path, const std::vector<std::string>& items);

} // namespace luna
