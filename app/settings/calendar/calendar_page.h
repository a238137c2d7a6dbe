// The calendar page (dialog 142): font, colour and festival switches of the calendar that
// lunahook draws, and the doors to the festival and conversion dialogs.
#pragma once

#include "app/control_state.h"
#include "app/framework/property_page.h"
#include "app/logic/calendar_page_rules.h"

namespace luna {

class CalendarPage : public PropertyPage {
  public:
    explicit CalendarPage(ControlState& state);

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

    // Keeping the holiday data current (calendar_page_holidays.cpp).
    bool OnHolidayImport(WPARAM, LPARAM, LRESULT&);
    bool OnHolidayUpdateTick(WPARAM, LPARAM, LRESULT&);
    bool OnHolidayUpdateNow(WPARAM, LPARAM, LRESULT&);
    void ShowHolidayStatus(bool withTick); // and the update tick as stored
    void ApplyHolidayUpdateTick();

    FestivalSwitches ReadSwitches() const;

    static const MessageEntry<MessageHandler<CalendarPage>> kMessages[];

    ControlState& state_;
    CalendarPageFlags flags_;
    FontChoice font_{};
};

} // namespace luna
