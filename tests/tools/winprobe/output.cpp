#include <cstdio>

#include "tests/tools/winprobe/probe.h"

namespace luna::tools {

void Print(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

void PrintLine(const std::string& text) {
    Print(text + "\n");
}

void Complain(const std::string& text) {
    std::string line = "winprobe: " + text + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

} // namespace luna::tools
