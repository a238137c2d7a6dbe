#include "app/logic/festival_lists.h"

namespace luna {

void FestivalLists::Open(const std::vector<std::string>& solar,
                         const std::vector<std::string>& lunar) {
    const std::vector<std::string>* sources[2] = {&solar, &lunar};
    for (int i = 0; i < 2; ++i) {
        lists_[i].items = *sources[i];
        lists_[i].selection = static_cast<int>(lists_[i].items.size()) - 1;
    }
    buttons_ = FestivalButtons{};
}

void FestivalLists::Add(const std::string& item, FestivalTargets targets) {
    buttons_.save = true;
    if (targets.solar) {
        lists_[0].items.push_back(item);
    }
    if (targets.lunar) {
        lists_[1].items.push_back(item);
    }
    buttons_.add = false;
}

void FestivalLists::DeleteSelected(FestivalTargets targets) {
    const bool ticked[2] = {targets.solar, targets.lunar};
    for (int i = 0; i < 2; ++i) {
        List& list = lists_[i];
        if (ticked[i] && list.selection != kNoSelection) {
            list.items.erase(list.items.begin() + list.selection);
            list.selection = kNoSelection;
        }
    }
    buttons_.save = true;
}

void FestivalLists::Select(FestivalCalendar which, int index) {
    List& list = lists_[static_cast<int>(which)];
    list.selection =
        index >= 0 && static_cast<std::size_t>(index) < list.items.size() ? index : kNoSelection;
}

} // namespace luna
