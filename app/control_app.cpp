#include "app/control_app.h"

#include "app/desktop_windows.h"
#include "app/main_dialog.h"
#include "shared/win32/wide_text.h"

namespace luna {
namespace {

constexpr char kMessageCaption[] = "岚溪创作室";

} // namespace

bool ControlApp::InitApplication() {
    if (!instanceEvent_.Create()) {
        MessageBoxGbk(nullptr, "该程序已经有一个实例在运行", kMessageCaption, MB_OK);
        instanceEvent_.Close();
        return false;
    }
    if (ActiveDesktopIsOn()) {
        MessageBoxGbk(nullptr, "关闭Desktop选项\nClose The Activate Desktop!", kMessageCaption,
                      MB_OK);
        return false;
    }
    return true;
}

void ControlApp::InitInstance() {
    MainDialog mainDialog(state_, instanceEvent_);
    mainDialog.DoModal();
}

} // namespace luna
