#include "app/logic/holiday_update_plan.h"

namespace luna {

std::vector<std::string> HolidayUpdateAddresses(const std::string& value) {
    const std::string& source = value.find_first_not_of(" \t\r\n;") == std::string::npos
                                    ? std::string(kDefaultHolidayUrls)
                                    : value;
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= source.size() && out.size() < kMaxHolidayUrls) {
        std::size_t end = source.find_first_of(";\r\n", start);
        end = end == std::string::npos ? source.size() : end;
        std::string address = source.substr(start, end - start);
        address.erase(0, address.find_first_not_of(" \t"));
        address.erase(address.find_last_not_of(" \t") + 1);
        const bool web = address.rfind("http://", 0) == 0 || address.rfind("https://", 0) == 0;
        if (web && address.size() <= kMaxHolidayUrlBytes &&
            address.find_first_of(" \t\"<>") == std::string::npos) {
            out.push_back(address);
        }
        start = end + 1;
    }
    return out;
}

std::string HolidayAddressForYear(const std::string& address, int year) {
    std::string out = address;
    const std::string mark = "{year}";
    for (std::size_t at = out.find(mark); at != std::string::npos; at = out.find(mark, at)) {
        out.replace(at, mark.size(), std::to_string(year));
    }
    return out;
}

std::vector<int> HolidayYearsToFetch(const HolidayTable& table, int year, int month) {
    const bool revisions = month == 11 || month == 12 || month == 1;
    std::vector<int> years;
    for (const int y : {year, year + 1}) {
        if (revisions || !table.Covers(y)) {
            years.push_back(y);
        }
    }
    return years;
}

bool HolidayUpdateDue(bool enabled, const std::string& lastDay, const std::string& today,
                      const std::vector<int>& years) {
    return enabled && lastDay != today && !years.empty();
}

std::string HolidayUpdateReport(const std::vector<HolidayFetchOutcome>& outcomes,
                                const std::vector<std::string>& storeErrors) {
    std::string text;
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const HolidayFetchOutcome& o = outcomes[i];
        std::string line = std::to_string(o.year) + " 年：";
        const std::string error = i < storeErrors.size() ? storeErrors[i] : std::string();
        if (!o.got) {
            line += "没有取得可用的数据（" + o.problem + "），已有数据未改动。";
        } else if (!error.empty()) {
            line += "取得了数据，但未能保存：" + error;
        } else if (o.check == HolidayCheck::Unchanged) {
            line += "与已有数据相同。";
        } else if (o.check == HolidayCheck::Refused) {
            line += "下载的数据不合规则（" + o.problem + "），已有数据未改动。";
        } else {
            line += std::string(o.check == HolidayCheck::Added ? "已添加" : "已更新") + "（来自 " +
                    o.address + "）。";
        }
        text += (text.empty() ? "" : "\r\n") + line;
    }
    return text.empty() ? "没有需要更新的年份。" : text;
}

} // namespace luna
