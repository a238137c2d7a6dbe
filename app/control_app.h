// The application object: the start-up checks, then the main window for the whole run.
#pragma once

#include "app/control_state.h"
#include "app/framework/application.h"
#include "app/single_instance.h"

namespace luna {

class ControlApp : public Application {
  public:
    bool InitApplication() override;
    void InitInstance() override;

  private:
    SingleInstanceEvent instanceEvent_;
    ControlState state_;
};

} // namespace luna
