#include "tests/tools/winprobe/logic/window_path.h"

#include <cctype>

#include "tests/tools/winprobe/logic/probe_args.h"

namespace luna::tools {

namespace {

bool EqualsIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

bool SplitPath(const std::string& text, std::vector<std::string>& parts, std::string& error) {
    std::string current;
    int depth = 0;
    for (char c : text) {
        if (c == '[') {
            ++depth;
        } else if (c == ']' && depth > 0) {
            --depth;
        }
        if (c == '/' && depth == 0) {
            parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    parts.push_back(current);
    if (depth != 0) {
        error = "unclosed '[' in window path";
        return false;
    }
    return true;
}

bool ParseElement(const std::string& text, bool first, PathElement& element, std::string& error) {
    if (text.empty()) {
        error = "empty element in window path";
        return false;
    }
    if (text[0] == '@') {
        std::int64_t id = 0;
        if (!ParseInteger(text.substr(1), id)) {
            error = "bad control id: " + text;
            return false;
        }
        element.kind = PathElement::Kind::ControlId;
        element.controlId = static_cast<long>(id);
        return true;
    }
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::int64_t handle = 0;
        if (!first || !ParseInteger(text, handle)) {
            error = "a window handle may only start a path: " + text;
            return false;
        }
        element.kind = PathElement::Kind::Handle;
        element.handle = static_cast<std::uint64_t>(handle);
        return true;
    }
    std::size_t open = text.find('[');
    std::string cls = text.substr(0, open);
    if (open != std::string::npos) {
        if (text.back() != ']') {
            error = "text after ']' in window path element: " + text;
            return false;
        }
        element.title = text.substr(open + 1, text.size() - open - 2);
    }
    element.className = cls == "*" ? "" : cls;
    return true;
}

} // namespace

bool ParseWindowPath(const std::string& text, std::vector<PathElement>& out, std::string& error) {
    out.clear();
    std::vector<std::string> parts;
    if (!SplitPath(text, parts, error)) {
        return false;
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
        PathElement element;
        if (!ParseElement(parts[i], i == 0, element, error)) {
            return false;
        }
        out.push_back(element);
    }
    return true;
}

bool ElementMatches(const PathElement& element, const std::string& className,
                    const std::string& title, long controlId) {
    switch (element.kind) {
    case PathElement::Kind::ControlId:
        return controlId == element.controlId;
    case PathElement::Kind::Handle:
        return false;
    case PathElement::Kind::Window:
        break;
    }
    if (!element.className.empty() && !EqualsIgnoringAsciiCase(element.className, className)) {
        return false;
    }
    return !element.title || *element.title == title;
}

} // namespace luna::tools
