#include "app/framework/application.h"

#include <commctrl.h>

namespace luna {

int RunApplication(Application& application, HINSTANCE instance) {
    application.instance_ = instance;
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                  ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    if (!application.InitApplication()) {
        return 1;
    }
    application.InitInstance();
    return 0;
}

HINSTANCE ApplicationInstance() {
    return GetModuleHandleA(nullptr);
}

} // namespace luna
