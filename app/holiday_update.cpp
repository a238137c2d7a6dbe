#include "app/holiday_update.h"

#include <winhttp.h>

#include <atomic>
#include <memory>
#include <vector>

#include "app/app_holidays.h"
#include "app/holiday_user_file.h"
#include "app/logic/holiday_update_plan.h"
#include "shared/win32/debug_log.h"
#include "shared/gbk_text.h"
#include "shared/holiday_json.h"
#include "shared/registry_layout.h"
#include "shared/settings_registry.h"
#include "shared/win32/win_registry.h"

namespace luna {
namespace {

constexpr int kResolveMs = 5000;
constexpr int kConnectMs = 5000;
constexpr int kSendMs = 5000;
constexpr int kReceiveMs = 10000;
constexpr DWORD kExitWaitMs = 1000;
constexpr std::size_t kUrlsCapacity = kMaxHolidayUrls * (kMaxHolidayUrlBytes + 1);

struct FetchJob {
    HWND notify = nullptr;
    bool userAsked = false;
    std::vector<int> years;
    std::vector<std::string> addresses;
    std::vector<HolidayYear> stored; // the years as they are now (year 0: no data)
    std::vector<HolidayFetchOutcome> outcomes;
};

HWND m_Notify = nullptr;
HANDLE m_Thread = nullptr;
bool m_Running = false;   // main thread only
std::string m_CheckedDay; // main thread only: the day the daily check last ran
std::atomic<bool> m_Cancel{false};
std::atomic<HINTERNET> m_Request{nullptr}; // the request in flight, closed to cancel it

void CloseRequest() {
    if (HINTERNET request = m_Request.exchange(nullptr)) {
        WinHttpCloseHandle(request);
    }
}

// A closed handle on any path out.
struct Handle {
    HINTERNET h;
    ~Handle() {
        if (h != nullptr) {
            WinHttpCloseHandle(h);
        }
    }
};

// The body of a GET; "" or the fault in words (GBK).
std::string Download(HINTERNET session, const std::string& address, std::string& body) {
    const std::wstring url = WideFromGbk(address);
    wchar_t host[256];
    std::wstring path(url.size() + 1, L'\0');
    std::wstring query(url.size() + 1, L'\0');
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof parts;
    parts.lpszHostName = host;
    parts.dwHostNameLength = sizeof host / sizeof host[0];
    parts.lpszUrlPath = &path[0];
    parts.dwUrlPathLength = static_cast<DWORD>(path.size());
    parts.lpszExtraInfo = &query[0];
    parts.dwExtraInfoLength = static_cast<DWORD>(query.size());
    if (!WinHttpCrackUrl(url.c_str(), 0, 0, &parts)) {
        return "地址无法识别";
    }
    const std::wstring object = std::wstring(path.c_str()) + query.c_str();
    const Handle connect{WinHttpConnect(session, host, parts.nPort, 0)};
    if (connect.h == nullptr) {
        return "无法连接";
    }
    const DWORD secure = parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0;
    HINTERNET request =
        WinHttpOpenRequest(connect.h, L"GET", object.c_str(), nullptr, WINHTTP_NO_REFERER,
                           WINHTTP_DEFAULT_ACCEPT_TYPES, secure | WINHTTP_FLAG_REFRESH);
    if (request == nullptr) {
        return "无法发出请求";
    }
    m_Request = request;
    if (m_Cancel) {
        CloseRequest();
    }
    std::string problem;
    DWORD status = 0;
    DWORD size = sizeof status;
    if (!WinHttpSendRequest(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0,
                            0, 0) ||
        !WinHttpReceiveResponse(request, nullptr)) {
        problem = "无法连接或超时，错误 " + std::to_string(GetLastError());
    } else if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                                    WINHTTP_HEADER_NAME_BY_INDEX, &status, &size,
                                    WINHTTP_NO_HEADER_INDEX) ||
               status != 200) {
        problem = "服务器回答 HTTP " + std::to_string(status);
    } else {
        char chunk[4096];
        DWORD got = 0;
        while (problem.empty() && WinHttpReadData(request, chunk, sizeof chunk, &got) && got > 0) {
            body.append(chunk, got);
            if (body.size() > kMaxHolidayJsonBytes) {
                problem = "数据太大";
            }
        }
        if (problem.empty() && (got != 0 || m_Cancel)) {
            problem = "下载中断";
        }
    }
    CloseRequest();
    return problem;
}

HolidayFetchOutcome FetchYear(HINTERNET session, const FetchJob& job, int year) {
    HolidayFetchOutcome outcome;
    outcome.year = year;
    outcome.problem = "没有可用的地址";
    const HolidayYear* stored = nullptr;
    for (const HolidayYear& y : job.stored) {
        stored = y.year == year ? &y : stored;
    }
    for (const std::string& pattern : job.addresses) {
        if (m_Cancel) {
            break;
        }
        outcome.address = HolidayAddressForYear(pattern, year);
        std::string body;
        outcome.problem = Download(session, outcome.address, body);
        if (!outcome.problem.empty()) {
            continue;
        }
        HolidayYear candidate;
        if (!ReadHolidayJson(body, candidate, outcome.problem)) {
            continue;
        }
        outcome.check = CheckHolidayYear(candidate, year, stored, outcome.problem);
        if (outcome.check != HolidayCheck::Refused) {
            outcome.got = true;
            outcome.candidate = candidate;
            return outcome;
        }
    }
    return outcome;
}

DWORD WINAPI FetchThread(void* parameter) {
    std::unique_ptr<FetchJob> job(static_cast<FetchJob*>(parameter));
    const Handle session{WinHttpOpen(L"lunavis", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                                     WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0)};
    if (session.h != nullptr) {
        WinHttpSetTimeouts(session.h, kResolveMs, kConnectMs, kSendMs, kReceiveMs);
        // Windows 7 offers TLS 1.0 alone unless asked; the data sets' hosts want 1.2.
        DWORD protocols = WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2 | WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_1;
        WinHttpSetOption(session.h, WINHTTP_OPTION_SECURE_PROTOCOLS, &protocols, sizeof protocols);
    }
    for (const int year : job->years) {
        HolidayFetchOutcome outcome;
        if (session.h == nullptr) {
            outcome.year = year;
            outcome.problem = "无法使用网络";
        } else {
            outcome = FetchYear(session.h, *job, year);
        }
        job->outcomes.push_back(outcome);
    }
    HWND notify = job->notify;
    if (!m_Cancel &&
        PostMessageA(notify, UM_HOLIDAYFETCHED, 0, reinterpret_cast<LPARAM>(job.get()))) {
        job.release(); // the main window owns it now
    }
    return 0;
}

bool Start(const std::vector<int>& years, bool userAsked) {
    if (m_Running || m_Notify == nullptr) {
        return false;
    }
    auto job = std::make_unique<FetchJob>();
    job->notify = m_Notify;
    job->userAsked = userAsked;
    job->years = years;
    WinRegistry hkcu(HKEY_CURRENT_USER);
    char urls[kUrlsCapacity] = {};
    ReadRegText(hkcu, regkey::Calender, regvalue::HolidayUpdateUrls, urls);
    job->addresses = HolidayUpdateAddresses(urls);
    for (const int year : years) {
        if (const HolidayYear* stored = AppHolidays().Year(year)) {
            job->stored.push_back(*stored);
        }
    }
    if (m_Thread != nullptr) {
        CloseHandle(m_Thread);
    }
    m_Cancel = false;
    m_Thread = CreateThread(nullptr, 0, FetchThread, job.get(), 0, nullptr);
    if (m_Thread == nullptr) {
        return false;
    }
    job.release(); // the thread's now
    m_Running = true;
    WriteDebugLogf("节假日联网更新：开始（%s）", userAsked ? "立即更新" : "每日");
    return true;
}

void Today(SYSTEMTIME& now, std::string& text) {
    GetLocalTime(&now);
    text = TodayText();
}

} // namespace

void InitHolidayUpdate(HWND mainWindow) {
    m_Notify = mainWindow;
}

void CheckHolidayUpdate() {
    SYSTEMTIME now;
    std::string today;
    Today(now, today);
    if (today == m_CheckedDay || m_Running) {
        return;
    }
    m_CheckedDay = today;
    WinRegistry hkcu(HKEY_CURRENT_USER);
    char lastDay[16] = {};
    ReadRegText(hkcu, regkey::Calender, regvalue::HolidayUpdateDay, lastDay, RegAccess::Query);
    const std::vector<int> years = HolidayYearsToFetch(AppHolidays(), now.wYear, now.wMonth);
    if (HolidayUpdateDue(HolidayUpdateEnabled(), lastDay, today, years) && Start(years, false)) {
        WriteRegText(hkcu, regkey::Calender, regvalue::HolidayUpdateDay, today.c_str());
    }
}

bool RequestHolidayUpdate() {
    SYSTEMTIME now;
    std::string today;
    Today(now, today);
    std::vector<int> years = HolidayYearsToFetch(AppHolidays(), now.wYear, now.wMonth);
    if (years.empty()) {
        years = {now.wYear, now.wYear + 1};
    }
    return Start(years, true);
}

std::string FinishHolidayUpdate(LPARAM outcome) {
    std::unique_ptr<FetchJob> job(reinterpret_cast<FetchJob*>(outcome));
    m_Running = false;
    std::vector<std::string> errors(job->outcomes.size());
    const std::string today = TodayText();
    for (std::size_t i = 0; i < job->outcomes.size(); ++i) {
        HolidayFetchOutcome& o = job->outcomes[i];
        if (o.got && (o.check == HolidayCheck::Added || o.check == HolidayCheck::Revised)) {
            o.candidate.source = HolidaySource::Fetched;
            o.candidate.sourceDate = today;
            StoreHolidayYear(o.candidate, errors[i]);
        }
    }
    const std::string report = HolidayUpdateReport(job->outcomes, errors);
    std::string line = report;
    for (std::size_t at = line.find("\r\n"); at != std::string::npos; at = line.find("\r\n")) {
        line.replace(at, 2, " ");
    }
    WriteDebugLogf("节假日联网更新：%s", line.c_str());
    return job->userAsked ? report : std::string();
}

void StopHolidayUpdate() {
    if (m_Thread == nullptr) {
        return;
    }
    m_Cancel = true;
    CloseRequest();
    WaitForSingleObject(m_Thread, kExitWaitMs);
    CloseHandle(m_Thread);
    m_Thread = nullptr;
}

bool HolidayUpdateEnabled() {
    WinRegistry hkcu(HKEY_CURRENT_USER);
    std::uint32_t on = 0;
    return ReadRegNumber(hkcu, regkey::Calender, regvalue::HolidayUpdate, &on, RegAccess::Query) &&
           on == 1;
}

void SetHolidayUpdateEnabled(bool on) {
    WinRegistry hkcu(HKEY_CURRENT_USER);
    WriteRegNumber(hkcu, regkey::Calender, regvalue::HolidayUpdate, on ? 1 : 0);
    m_CheckedDay.clear(); // turned on: the next check may fetch today
}

} // namespace luna
