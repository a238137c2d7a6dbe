// The clock page (dialog 139): font, colour and format of the clock and date text that
// lunahook draws on the desktop.
#pragma once

#include "app/control_state.h"
#include "app/framework/property_page.h"
#include "app/logic/clock_page_rules.h"

namespace luna {

class ClockPage : public PropertyPage {
  public:
    explicit ClockPage(ControlState& state);

  protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnKillActive() override;
    bool OnApply() override;

  private:
    bool OnFont(WPARAM, LPARAM, LRESULT&);
    bool OnColor(WPARAM, LPARAM, LRESULT&);
    bool OnYear4(WPARAM, LPARAM, LRESULT&);
    bool OnYear2(WPARAM, LPARAM, LRESULT&);
    bool OnHour12(WPARAM, LPARAM, LRESULT&);
    bool OnDisplayOption(WPARAM, LPARAM, LRESULT&);
    bool OnOutline(WPARAM, LPARAM, LRESULT&);
    bool OnDateSeparatorEdited(WPARAM, LPARAM, LRESULT&);
    bool OnTimeSeparatorEdited(WPARAM, LPARAM, LRESULT&);

    void MarkDisplayChanged();
    void SeparatorEdited(int checkBoxId);
    // False when the box held more than a separator and was cut back.
    bool KeepSeparatorLimit(int editId);
    // Takes an edit box's text when it fits a separator, else tells the user and keeps it.
    bool TakeSeparatorText(int editId, char (&text)[kSeparatorMaxBytes + 1]);
    ClockPageControls ReadControls() const;

    static const MessageEntry<MessageHandler<ClockPage>> kMessages[];

    ControlState& state_;
    ClockPageFlags flags_;
    FontChoice font_{};
    bool outlineChanged_ = false; // "文字描边" clicked on this visit
    // The separator texts as last taken from their edit boxes.
    char dateSeparatorText_[kSeparatorMaxBytes + 1] = {};
    char timeSeparatorText_[kSeparatorMaxBytes + 1] = {};
};

} // namespace luna
