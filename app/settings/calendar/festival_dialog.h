// The festival definition dialog: the user's own solar and lunar festivals, edited here and
// saved to "Solar.rem" and "Lunch.rem" in the folder of the background picture, where
// lunahook reads them when it attaches. Opened modally from the calendar page.
#pragma once

#include "app/framework/dialog.h"
#include "app/logic/festival_lists.h"
#include "shared/file_replace.h"

namespace luna {

class FestivalDialog : public Dialog {
  public:
    explicit FestivalDialog(HWND parent);

  protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    enum class FileMode { Load, Save };

    bool OnAdd(WPARAM, LPARAM, LRESULT&);
    bool OnDelete(WPARAM, LPARAM, LRESULT&);
    bool OnSave(WPARAM, LPARAM, LRESULT&);
    bool OnExit(WPARAM, LPARAM, LRESULT&);
    bool OnDateOrTextChanged(WPARAM, LPARAM, LRESULT&);

    // Loads the two lists from, or saves them to, the festival files in the folder of
    // BackImage (or "res\" beside the executable while it is missing). False when there is
    // no folder or a file could not be written; a file that cannot be read is skipped, one
    // read only in part is kept as a backup before it is saved over.
    bool FestivalFiles(FileMode mode);

    FestivalTargets TickedLists() const;
    // The rows the user selected become the lists' selections.
    void TakeSelections();
    void ShowLists();
    void ShowButtons();

    FestivalLists lists_;
    SaveOverGuard solarGuard_;
    SaveOverGuard lunarGuard_;
};

} // namespace luna
