// The festival dialog's two lists (solar and lunar festivals) and its button states. The
// lists keep the order of the file and of adding; which list an item is in says which
// calendar its date belongs to.
#pragma once

#include <string>
#include <vector>

namespace luna {

enum class FestivalCalendar { Solar = 0, Lunar = 1 };

// The two independent check boxes "阳历操作" and "阴历操作": Add and Delete act on every
// ticked list.
struct FestivalTargets {
    bool solar = true;
    bool lunar = false;
};

struct FestivalButtons {
    bool add = false;  // "添加": on after a change of the text, the month or the day
    bool save = false; // "保存": on after any Add or Delete, off after saving
};

class FestivalLists {
  public:
    static constexpr int kNoSelection = -1;

    // The dialog opens with the items read from the files. The last item of each list is
    // the selected one.
    void Open(const std::vector<std::string>& solar, const std::vector<std::string>& lunar);

    // Appends the item to every ticked list; the selections stay where they were.
    void Add(const std::string& item, FestivalTargets targets);

    // Deletes the selected item of every ticked list; a list without a selection loses
    // nothing.
    void DeleteSelected(FestivalTargets targets);

    // The user selected a row (kNoSelection or an index out of range clears it).
    void Select(FestivalCalendar which, int index);

    // The text, the month or the day changed.
    void DateOrTextChanged() { buttons_.add = true; }

    void Saved() { buttons_.save = false; }

    const std::vector<std::string>& Items(FestivalCalendar which) const {
        return lists_[static_cast<int>(which)].items;
    }
    int Selection(FestivalCalendar which) const {
        return lists_[static_cast<int>(which)].selection;
    }
    const FestivalButtons& Buttons() const { return buttons_; }

  private:
    struct List {
        std::vector<std::string> items;
        int selection = kNoSelection;
    };
    List lists_[2];
    FestivalButtons buttons_;
};

} // namespace luna
