#include "tests/tools/shell/logic/shell_options.h"

namespace luna::tools {

bool ParseShellOptions(const std::vector<std::string>& args, ShellOptions& out,
                       std::string& error) {
    out = ShellOptions{};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--no-defview") {
            out.defView = false;
        } else if (a == "--no-listview") {
            out.listView = false;
        } else if (a == "--no-clock") {
            out.clock = false;
        } else if (a == "--active-desktop") {
            out.activeDesktop = true;
        } else if (a == "--workerw") {
            out.workerW = true;
        } else if (a == "--one-thread") {
            out.oneThread = true;
        } else if (a == "--win11-24h2") {
            out.win11Layout = true;
        } else if (a == "--other-tool") {
            out.otherTool = true;
        } else if (a == "--wide-item") {
            out.wideItem = true;
        } else if (a == "--log") {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                error = "--log needs a file name";
                return false;
            }
            out.logPath = args[++i];
        } else {
            error = "unknown option: " + a;
            return false;
        }
    }
    if (!out.defView && (out.activeDesktop || out.workerW)) {
        error = "--no-defview cannot be combined with --active-desktop or --workerw";
        return false;
    }
    if (out.win11Layout && (out.workerW || !out.defView)) {
        error = "--win11-24h2 cannot be combined with --workerw or --no-defview";
        return false;
    }
    return true;
}

std::vector<std::string> SplitWords(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (!word.empty()) {
                words.push_back(word);
                word.clear();
            }
        } else {
            word += c;
        }
    }
    if (!word.empty()) {
        words.push_back(word);
    }
    return words;
}

} // namespace luna::tools
