// GBK text to standard output.
#include "tools/lunacal/gbk_output.h"

#include <cerrno>

#ifdef _WIN32
#include <io.h>
#include <windows.h>

#include "shared/gbk_text.h"
#else
#include <iconv.h>
#endif

namespace luna::lunacal {
namespace {

constexpr std::size_t kBlockBytes = 1 << 16;

#ifdef _WIN32
// The console behind `stream`, or null when the output goes to a file or a pipe.
HANDLE ConsoleOf(std::FILE* stream) {
    HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode)) {
        return nullptr;
    }
    return handle;
}

// A console shows the text as UTF-16, whatever its code page.
bool WriteToConsole(HANDLE console, const std::string& gbk) {
    const std::wstring wide = WideFromGbk(gbk);
    std::size_t done = 0;
    while (done < wide.size()) {
        const std::size_t chunk = wide.size() - done < 8192 ? wide.size() - done : 8192;
        DWORD written = 0;
        if (!WriteConsoleW(console, wide.data() + done, static_cast<DWORD>(chunk), &written,
                           nullptr) ||
            written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}
#endif

} // namespace

GbkOutput::GbkOutput(std::FILE* stream) : stream_(stream) {
#ifndef _WIN32
    const iconv_t cd = iconv_open("UTF-8", "GBK");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        failed_ = true;
    } else {
        converter_ = cd;
    }
#endif
}

GbkOutput::~GbkOutput() {
    Flush();
#ifndef _WIN32
    if (converter_ != nullptr) {
        iconv_close(static_cast<iconv_t>(converter_));
    }
#endif
}

void GbkOutput::Write(const std::string& gbk) {
    pending_ += gbk;
    if (pending_.size() >= kBlockBytes) {
        Flush();
    }
}

bool GbkOutput::Flush() {
    if (!pending_.empty() && !failed_) {
#ifdef _WIN32
        // Redirected output stays GBK, byte for byte.
        std::fflush(stream_);
        if (HANDLE console = ConsoleOf(stream_)) {
            failed_ = !WriteToConsole(console, pending_);
            pending_.clear();
            return !failed_;
        }
        const std::string& bytes = pending_;
#else
        if (!ConvertGbkToUtf8(converter_, pending_, converted_)) {
            failed_ = true;
        }
        const std::string& bytes = converted_;
#endif
        if (std::fwrite(bytes.data(), 1, bytes.size(), stream_) != bytes.size()) {
            failed_ = true;
        }
    }
    pending_.clear();
    if (std::fflush(stream_) != 0) {
        failed_ = true;
    }
    return !failed_;
}

bool ConvertGbkToUtf8(void* converter, const std::string& gbk, std::string& utf8) {
#ifdef _WIN32
    (void)converter;
    utf8 = gbk;
    return true;
#else
    utf8.clear();
    if (converter == nullptr) {
        return false;
    }
    const iconv_t cd = static_cast<iconv_t>(converter);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(gbk.data());
    std::size_t inLeft = gbk.size();
    char block[4096];
    while (inLeft > 0) {
        char* out = block;
        std::size_t outLeft = sizeof block;
        const std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        utf8.append(block, sizeof block - outLeft);
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // An invalid or incomplete sequence: show it as one '?' and go on.
            utf8 += '?';
            ++in;
            --inLeft;
        }
    }
    return true;
#endif
}

} // namespace luna::lunacal
