#include "app/logic/reminder_list.h"

#include <algorithm>

namespace luna {

std::size_t SortedPosition(const std::vector<std::string>& items, const std::string& item) {
    // std::string compares its bytes as unsigned values, the order of the GBK texts.
    return static_cast<std::size_t>(std::upper_bound(items.begin(), items.end(), item) -
                                    items.begin());
}

void ReminderList::Open(const std::vector<std::string>& items) {
    // One sort of the whole list (stable: equal items keep the file's order, as when each
    // went after its equals), not one insertion per item.
    items_ = items;
    std::stable_sort(items_.begin(), items_.end());
    changes_ = 0;
    selection_ = kNoSelection;
    Saved();
}

std::size_t ReminderList::Add(const std::string& item) {
    const std::size_t place = SortedPosition(items_, item);
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(place), item);
    selection_ = static_cast<int>(place);
    buttons_.save = true;
    ++changes_;
    buttons_.remove = true;
    return place;
}

bool ReminderList::DeleteSelected() {
    const bool deleted = selection_ != kNoSelection;
    if (deleted) {
        items_.erase(items_.begin() + selection_);
    }
    selection_ = items_.empty() ? kNoSelection : 0;
    buttons_.remove = !items_.empty();
    buttons_.save = true;
    ++changes_;
    return deleted;
}

void ReminderList::Select(int index) {
    selection_ =
        index >= 0 && static_cast<std::size_t>(index) < items_.size() ? index : kNoSelection;
}

bool ReminderList::Unsaved() const {
    return buttons_.save;
}

void ReminderList::SaveFailed() {
    const bool unsaved = buttons_.save;
    Saved();
    buttons_.save = unsaved;
}

void ReminderList::Saved() {
    buttons_.save = false;
    buttons_.add = false;
    buttons_.remove = !items_.empty();
}

} // namespace luna
