#include "app/reminder_page_placeholder.h"

#include "app/res/reminder_page_ids.h"

namespace luna {

IDD_REMINDER::IDD_REMINDER(ControlState& /*state*/) : PropertyPage(DLG_REMINDER_PAGE) {}

} // namespace luna
