// The system page (dialog 147): autostart, the timed shutdown, the desktop background and
// clearing every stored setting.
#pragma once

#include "app/control_state.h"
#include "app/framework/property_page.h"
#include "app/logic/system_page_rules.h"

namespace luna {

class SystemPage : public PropertyPage {
  public:
    explicit SystemPage(ControlState& state);

  protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnApply() override;

  private:
    bool OnClear(WPARAM, LPARAM, LRESULT&);
    bool OnBitmap(WPARAM, LPARAM, LRESULT&);
    bool OnShutdown(WPARAM, LPARAM, LRESULT&);
    bool OnSolidColor(WPARAM, LPARAM, LRESULT&);
    bool OnChanged(WPARAM, LPARAM, LRESULT&);
    bool OnShutdownTime(WPARAM, LPARAM, LRESULT&);

    void FillNumberList(int id, int count, int selected, bool shown);
    SystemPageControls ReadControls() const;
    void TellApplyOutcome(const SystemApplyOutcome& outcome);

    static const MessageEntry<MessageHandler<SystemPage>> kMessages[];

    ControlState& state_;
    SystemPageState page_;
};

} // namespace luna
