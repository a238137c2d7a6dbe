#include "shared/clock_menu.h"

#include "shared/messages.h"

namespace luna {

namespace {

class MenuWriter {
  public:
    explicit MenuWriter(ClockMenu& menu) : menu_(menu) {}

    void Item(unsigned id, const char* text, bool grayed = false) {
        Add(ClockMenuEntry{false, id, text, grayed});
    }
    void Separator() { Add(ClockMenuEntry{true, 0, nullptr, false}); }

  private:
    void Add(const ClockMenuEntry& entry) {
        if (menu_.count < kClockMenuCapacity) {
            menu_.entries[menu_.count++] = entry;
        }
    }

    ClockMenu& menu_;
};

} // namespace

ClockMenu ComposeClockMenu(bool sheetOpen, bool ntFamily) {
    ClockMenu menu{};
    MenuWriter add(menu);
    add.Item(kTaskbarAdjustTime, "调整日期/时间(&ADJUST)");
    add.Separator();
    add.Item(kTaskbarCascade, "层叠窗口(&LAYER)");
    add.Item(kTaskbarTileHorizontally, "横向平铺窗口(&VERTICAL)");
    add.Item(kTaskbarTileVertically, "纵向平铺窗口(H&ORIZON)");
    add.Separator();
    add.Item(kTaskbarMinimizeAll, "最小化所有窗口(MI&N)");
    add.Separator();
    if (ntFamily) {
        add.Item(kTaskbarTaskManager, "任务管理器(MANAGE&R)...");
        add.Separator();
    }
    add.Item(kTaskbarProperties, "任务栏属性(&TASK)...");
    add.Separator();
    add.Item(kMenuReminder, "备忘录(&REMINDER)");
    add.Separator();
    add.Item(kMenuShowMain, "显示主窗口(&MainWindow)", sheetOpen);
    add.Item(kMenuHelp, "帮助(&HELP)");
    add.Item(kMenuExit, "退出(&EXIT)", sheetOpen);
    menu.defaultId = kMenuShowMain;
    return menu;
}

ClockCommand RouteClockCommand(unsigned id) {
    switch (id) {
    case kMenuReminder:
        return {ClockCommandRoute::MainWindow, UM_REMINDER};
    case kMenuShowMain:
        return {ClockCommandRoute::MainWindow, UM_SHOWMAIN};
    case kMenuHelp:
        return {ClockCommandRoute::MainWindow, UM_HELP};
    case kMenuExit:
        return {ClockCommandRoute::MainWindow, UM_EXIT};
    case kTaskbarAdjustTime:
    case kTaskbarCascade:
    case kTaskbarTileHorizontally:
    case kTaskbarTileVertically:
    case kTaskbarMinimizeAll:
    case kTaskbarTaskManager:
    case kTaskbarProperties:
        return {ClockCommandRoute::Taskbar, 0};
    default:
        return {ClockCommandRoute::NotOurs, 0};
    }
}

} // namespace luna
