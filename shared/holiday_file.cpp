// Reading the user's holiday file.
#include "shared/holiday_file.h"

#include "shared/path_rules.h"

namespace luna {

HolidayFileRead ReadHolidayFile(const char* path) {
    HolidayFileRead result;
    if (path == nullptr || !FitsPathBuffer(path)) {
        return result;
    }
    std::FILE* file = OpenGbkPath(path, "rb");
    if (file == nullptr) {
        return result;
    }
    result.opened = true;
    std::string text;
    char chunk[4096];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        if (text.size() + got > kHolidayFileMax) {
            result.tooLarge = true;
            break;
        }
        text.append(chunk, got);
    }
    std::fclose(file);
    if (!result.tooLarge) {
        result.parse = ParseHolidayText(text, HolidaySource::Imported);
    }
    return result;
}

HolidayTable LoadHolidayTable(const char* path, std::vector<std::string>* messages) {
    HolidayTable table;
    const HolidayFileRead read = ReadHolidayFile(path);
    table.Apply(read.parse.years);
    if (messages != nullptr) {
        if (read.tooLarge) {
            messages->push_back(std::string(kHolidayFileName) + " 过大，未读取。");
        }
        for (const HolidayProblem& problem : read.parse.problems) {
            messages->push_back(HolidayProblemMessage(problem));
        }
    }
    return table;
}

std::string HolidayProblemMessage(const HolidayProblem& problem) {
    return std::string(kHolidayFileName) + " 第" + std::to_string(problem.line) + "行：" +
           problem.reason + "，已忽略。";
}

} // namespace luna
