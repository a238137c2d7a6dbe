// Terminal rendering of a month: aligned cells, two columns per Chinese character.
#include "tools/lunacal/month_view.h"

#include <algorithm>
#include <vector>

#include "calendar/names.h"
#include "shared/gbk_text.h"

namespace luna::lunacal {
namespace {

constexpr std::size_t kCellColumns = 10;
constexpr std::size_t kLabelColumns = 8;
constexpr std::size_t kGridColumns = 7 * kCellColumns;

std::size_t CharBytes(const std::string& text, std::size_t at) {
    return GbkCharBytes(text.data() + at, text.size() - at);
}

std::string Centered(const std::string& text, std::size_t columns) {
    const std::size_t width = DisplayWidth(text);
    if (width >= columns) {
        return text;
    }
    const std::size_t left = (columns - width) / 2;
    return std::string(left, ' ') + text + std::string(columns - width - left, ' ');
}

std::string TrimRight(std::string line) {
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    return line;
}

// One line of a week: cell texts (empty where there is no day), each centred.
std::string WeekLine(const std::vector<std::string>& cells) {
    std::string line;
    for (const std::string& cell : cells) {
        line += Centered(cell, kCellColumns);
    }
    return TrimRight(line) + "\n";
}

// "休" or "班" of a marked day, else "".
std::string MarkText(HolidayMark mark) {
    return mark == HolidayMark::Off ? "休" : mark == HolidayMark::Work ? "班" : "";
}

} // namespace

std::size_t DisplayWidth(const std::string& text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t bytes = CharBytes(text, i);
        width += bytes;
        i += bytes;
    }
    return width;
}

std::vector<std::string> WrapLabel(const std::string& label, std::size_t maxColumns) {
    std::vector<std::string> lines(1);
    std::size_t width = 0;
    for (std::size_t i = 0; i < label.size();) {
        if (label[i] == '\n') {
            lines.emplace_back();
            width = 0;
            ++i;
            continue;
        }
        const std::size_t bytes = CharBytes(label, i);
        if (width + bytes > maxColumns && width > 0) {
            lines.emplace_back();
            width = 0;
        }
        lines.back().append(label, i, bytes);
        width += bytes;
        i += bytes;
    }
    return lines;
}

std::string RenderMonthGrid(const ConversionMonth& month) {
    std::string out = TrimRight(Centered(month.title, kGridColumns)) + "\n\n";
    out += WeekLine(std::vector<std::string>(std::begin(kWeekdayNames), std::end(kWeekdayNames)));

    const int cells = month.firstWeekday + month.daysInMonth;
    for (int weekStart = 0; weekStart < cells; weekStart += 7) {
        std::vector<std::string> numbers(7);
        std::vector<std::vector<std::string>> labels(7);
        std::size_t labelLines = 0;
        for (int column = 0; column < 7; ++column) {
            const int day = weekStart + column - month.firstWeekday + 1;
            if (day < 1 || day > month.daysInMonth) {
                continue;
            }
            numbers[column] = kSolarDayNames[day - 1] + MarkText(month.marks[day - 1]);
            labels[column] = WrapLabel(month.labels[day - 1], kLabelColumns);
            labelLines = std::max(labelLines, labels[column].size());
        }
        out += WeekLine(numbers);
        for (std::size_t line = 0; line < labelLines; ++line) {
            std::vector<std::string> texts(7);
            for (int column = 0; column < 7; ++column) {
                if (line < labels[column].size()) {
                    texts[column] = labels[column][line];
                }
            }
            out += WeekLine(texts);
        }
    }
    return out;
}

std::string RenderMonthList(const ConversionMonth& month) {
    std::string out;
    for (int day = 1; day <= month.daysInMonth; ++day) {
        std::string label = month.labels[day - 1];
        std::replace(label.begin(), label.end(), '\n', ' ');
        const std::string mark = MarkText(month.marks[day - 1]);
        out += std::to_string(day) + "\t" + label + (mark.empty() ? "" : "\t" + mark) + "\n";
    }
    return out;
}

} // namespace luna::lunacal
