// Stands in for the reminder page until its own class exists: its template, no behaviour.
#pragma once

#include "app/control_state.h"
#include "app/framework/property_page.h"

namespace luna {

class IDD_REMINDER : public PropertyPage {
  public:
    explicit IDD_REMINDER(ControlState& state);
};

} // namespace luna
