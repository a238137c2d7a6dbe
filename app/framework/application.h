// Application start: the framework calls the application object's two steps, the second
// only when the first succeeds, and the process ends when they have run.
#pragma once

#include <windows.h>

namespace luna {

class Application {
  public:
    virtual ~Application() = default;
    // Checks made before any window exists. False ends the process at once.
    virtual bool InitApplication() = 0;
    // Runs the program's main window; returns when it has closed.
    virtual void InitInstance() = 0;

    HINSTANCE Instance() const { return instance_; }

  private:
    friend int RunApplication(Application& application, HINSTANCE instance);
    HINSTANCE instance_ = nullptr;
};

// The program's entry: common controls, then the two steps. Returns the exit code.
int RunApplication(Application& application, HINSTANCE instance);

// The executable's own module, for its resources.
HINSTANCE ApplicationInstance();

} // namespace luna
