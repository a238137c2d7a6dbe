#include "app/logic/architecture_check.h"

namespace luna {

bool MayHookShell(bool build64, bool wow64Known, bool underWow64) {
    return build64 || !wow64Known || !underWow64;
}

std::string Wow64RefusalText(const char* version) {
    const std::string package = std::string("lunavis-") + version + "-win64";
    return "这是 32 位的 lunavis，它画不进 64 位 Windows 的桌面。\n"
           "请改用 64 位的安装包 " +
           package +
           "。\n\n"
           "This is the 32-bit lunavis: it cannot draw on the desktop of 64-bit Windows.\n"
           "Please use the 64-bit package " +
           package + ".";
}

} // namespace luna
