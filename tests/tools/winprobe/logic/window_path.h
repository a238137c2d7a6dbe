// Window paths as scenarios write them, e.g. "Progman/SHELLDLL_DefView/SysListView32",
// "#32770[关于]/@1" or "0x1A2B/Button[确定]".
//
// Elements are separated by '/' (a '/' inside [...] belongs to the title):
//   Class          a window of that class (case-insensitive, as Windows compares classes)
//   Class[Title]   ... whose text is exactly Title
//   [Title], *     any class (with that title)
//   @N             a child whose control id is N
//   0xHEX          that very window (first element only)
// The first element matches top-level windows in z-order, each further one direct children.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace luna::tools {

struct PathElement {
    enum class Kind { Window, ControlId, Handle };
    Kind kind = Kind::Window;
    std::string className; // empty: any class
    std::optional<std::string> title;
    long controlId = 0;
    std::uint64_t handle = 0;
};

bool ParseWindowPath(const std::string& text, std::vector<PathElement>& out, std::string& error);

// Whether a window with this class, text and control id fits the element (not for handles).
bool ElementMatches(const PathElement& element, const std::string& className,
                    const std::string& title, long controlId);

} // namespace luna::tools
