// One user festival as the festival dialog composes it: the month and the day as their
// two-character combo box texts ("%2d%2d"), then the festival's text, run together. The
// item fills at most one 30-byte record of "Solar.rem" or "Lunch.rem", so what is shown
// is what is saved.
#pragma once

#include <cstddef>
#include <string>

#include "shared/rem_files.h"

namespace luna {

constexpr std::size_t kFestivalKeyLength = 4;
constexpr std::size_t kFestivalTextMax = kFestivalRecordSize - kFestivalKeyLength; // 26

// "%2d%2d" of month and day, then at most 26 bytes of text cut at a character boundary.
// The text ends at its first line break (the field holds one line); 0x1A bytes, which
// would end the file for a text-mode reader, are left out. Month and day outside 1-99
// give an empty item.
std::string ComposeFestivalItem(int month, int day, const char* text);

// An item as read from a record: at most 30 bytes, never ending inside a character.
std::string FestivalItemFromRecord(const char* text);

// True for the end record's text "FFFF", which is not an item.
bool IsFestivalEndText(const std::string& text);

} // namespace luna
