// The reminder page's list and the states of its buttons, kept apart from the controls so
// that the rules can be checked without a window. The list box only mirrors this.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace luna {

struct ReminderButtons {
    bool add = false;    // "加入": on after any change of the editor
    bool remove = false; // "删除": on exactly while the list holds items
    bool save = false;   // "保存": on after an Add or a Delete, off after saving
};

// Where an item goes in a list kept in byte order: after every item that is not greater,
// so equal items keep the order in which they came.
std::size_t SortedPosition(const std::vector<std::string>& items, const std::string& item);

class ReminderList {
  public:
    static constexpr int kNoSelection = -1;

    // The page opens: the items read from the file, each in its sorted place; no selection.
    void Open(const std::vector<std::string>& items);

    // Puts the item in its sorted place and selects it. Returns that place.
    std::size_t Add(const std::string& item);

    // Deletes the selected item, if there is one, then selects the first item when any is
    // left. Returns whether an item was deleted.
    bool DeleteSelected();

    // The user selected a row of the list box (kNoSelection or an index out of range clears
    // the selection).
    void Select(int index);

    // The editor's text changed, by the user or by showing a selected item.
    void TextChanged() { buttons_.add = true; }

    // Items were added or deleted since the list was opened or last saved.
    bool Unsaved() const;
    // How many adds and deletes there were since the list was opened: tells one set of
    // unsaved changes from a later one.
    unsigned Changes() const { return changes_; }

    // The list was written: the buttons are reset.
    void Saved();
    // Writing it failed: the buttons are reset, but Save stays on while changes are unsaved,
    // so that the user can try again and is asked when the sheet closes.
    void SaveFailed();

    const std::vector<std::string>& Items() const { return items_; }
    int Selection() const { return selection_; }
    const ReminderButtons& Buttons() const { return buttons_; }

  private:
    std::vector<std::string> items_;
    int selection_ = kNoSelection;
    ReminderButtons buttons_;
    unsigned changes_ = 0;
};

} // namespace luna
