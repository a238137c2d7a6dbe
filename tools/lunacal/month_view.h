// A month of the calendar conversion view as terminal text (GBK).
#pragma once

#include <string>
#include <vector>

#include "shared/month_annotations.h"

namespace luna::lunacal {

// Display columns of a GBK text: a double-byte character takes two.
std::size_t DisplayWidth(const std::string& text);

// Splits a label into terminal lines of at most maxColumns columns: at its line breaks,
// and between characters where a line would be too wide.
std::vector<std::string> WrapLabel(const std::string& label, std::size_t maxColumns);

// The title line, then a Sunday-first grid of 7 cells per week: a line of day numbers
// (an official day off followed by 休, a make-up workday by 班) and the lines of their
// labels.
std::string RenderMonthGrid(const ConversionMonth& month);

// One line per day: the day, a tab and its label with line breaks written as blanks; on a
// marked day a tab and 休 or 班 follow.
std::string RenderMonthList(const ConversionMonth& month);

} // namespace luna::lunacal
