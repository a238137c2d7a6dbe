// The About box: the program's icon, name and version, centred on the screen.
#pragma once

#include "app/framework/dialog.h"

namespace luna {

class AboutDialog : public Dialog {
  public:
    explicit AboutDialog(HWND parent);

  protected:
    BOOL OnInitDialog() override;
};

} // namespace luna
