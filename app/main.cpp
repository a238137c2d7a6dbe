// lunavis: the control application.
#include "app/control_app.h"

namespace {

luna::ControlApp controlApp;

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
    return luna::RunApplication(controlApp, instance);
}
