#include <windows.h>
#include <commctrl.h>

#include "tests/tools/shell/desktop.h"

namespace luna::tools {

namespace {

struct DesktopItem {
    const char* name;
    LPCSTR icon;
};

// Names are GBK at run time, as on a Chinese desktop.
const DesktopItem kItems[] = {
    {"我的电脑", IDI_APPLICATION},
    {"我的文档", IDI_INFORMATION},
    {"网上邻居", IDI_QUESTION},
    {"回收站", IDI_WARNING},
};

} // namespace

HWND CreateDesktopListView(HINSTANCE instance, HWND parent) {
    RECT rc;
    GetClientRect(parent, &rc);
    HWND view =
        CreateWindowExA(0, WC_LISTVIEWA, "FolderView",
                        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | LVS_ICON | LVS_AUTOARRANGE, 0, 0,
                        rc.right, rc.bottom, parent, reinterpret_cast<HMENU>(1), instance, nullptr);
    if (!view) {
        return nullptr;
    }
    // With CLR_NONE as its background (set by whoever draws the desktop) the list view
    // asks its parent for the background, which then shows the plain desktop colour again.
    SendMessageA(view, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_TRANSPARENTBKGND,
                 LVS_EX_TRANSPARENTBKGND);
    SendMessageA(view, LVM_SETBKCOLOR, 0, kDesktopColor);
    SendMessageA(view, LVM_SETTEXTBKCOLOR, 0, kDesktopColor);
    SendMessageA(view, LVM_SETTEXTCOLOR, 0, RGB(255, 255, 255));

    HIMAGELIST images = ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 4, 0);
    for (const auto& item : kItems) {
        ImageList_AddIcon(images, LoadIconA(nullptr, item.icon));
    }
    SendMessageA(view, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(images));

    int index = 0;
    for (const auto& item : kItems) {
        LVITEMA lv{};
        lv.mask = LVIF_TEXT | LVIF_IMAGE;
        lv.iItem = index;
        lv.iImage = index;
        lv.pszText = const_cast<char*>(item.name);
        SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&lv));
        ++index;
    }
    return view;
}

void AddWideItem(HWND view) {
    // Hangul and an emoji: neither has a GBK form, so any narrow step on the way loses them.
    static wchar_t name[] = L"\uD55C\uAE00\U0001F600";
    LVITEMW lv{};
    lv.mask = LVIF_TEXT | LVIF_IMAGE;
    lv.iItem = static_cast<int>(SendMessageW(view, LVM_GETITEMCOUNT, 0, 0));
    lv.pszText = name;
    SendMessageW(view, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&lv));
}

} // namespace luna::tools
