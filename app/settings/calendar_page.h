// The calendar page (dialog 142): font, colour and festival switches of the calendar that
// lunahook draws, and the doors to the festival and conversion dialogs.
#pragma once

#include "app/control_state.h"
#include "app/framework/property_page.h"
#include "app/logic/calendar_page_rules.h"

namespace luna {

class IDD_CALENDER : public PropertyPage {
  public:
    explicit IDD_CALENDER(ControlState& state);

  protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnApply() override;

  private:
    bool OnFont(WPARAM, LPARAM, LRESULT&);
    bool OnColor(WPARAM, LPARAM, LRESULT&);
    bool OnFestivals(WPARAM, LPARAM, LRESULT&);
    bool OnConvert(WPARAM, LPARAM, LRESULT&);
    bool OnFestivalSwitch(WPARAM, LPARAM, LRESULT&);
    bool OnWeekNumbers(WPARAM, LPARAM, LRESULT&);

    FestivalSwitches ReadSwitches() const;

    static const MessageEntry<MessageHandler<IDD_CALENDER>> kMessages[];

    ControlState& state_;
    CalendarPageFlags flags_;
    FontChoice font_{};
};

} // namespace luna
