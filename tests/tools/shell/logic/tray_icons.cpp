#include "tests/tools/shell/logic/tray_icons.h"

#include <algorithm>

namespace luna::tools {

bool TrayIconList::Apply(TrayAction action, const TrayRecord& record) {
    TrayIcon* existing = FindMutable(record.owner, record.id);
    switch (action) {
    case TrayAction::Add: {
        if (existing != nullptr) {
            return false;
        }
        TrayIcon icon;
        icon.owner = record.owner;
        icon.id = record.id;
        Update(icon, record);
        icons_.push_back(std::move(icon));
        return true;
    }
    case TrayAction::Modify:
        if (existing == nullptr) {
            return false;
        }
        Update(*existing, record);
        return true;
    case TrayAction::Delete: {
        if (existing == nullptr) {
            return false;
        }
        icons_.erase(icons_.begin() + (existing - icons_.data()));
        return true;
    }
    case TrayAction::SetFocus:
    case TrayAction::SetVersion:
        return existing != nullptr;
    }
    return false;
}

void TrayIconList::Update(TrayIcon& icon, const TrayRecord& record) {
    icon.flags |= record.flags;
    if (record.flags & kNifMessage) {
        icon.callbackMessage = record.callbackMessage;
    }
    if (record.flags & kNifTip) {
        icon.tip = record.tip;
    }
    if (record.flags & kNifIcon) {
        icon.icon = record.icon;
        ++icon.iconRevision;
    }
    if ((record.flags & kNifState) && (record.stateMask & kNisHidden)) {
        icon.hidden = (record.state & kNisHidden) != 0;
    }
}

TrayIcon* TrayIconList::FindMutable(std::int64_t owner, std::uint32_t id) {
    auto it = std::find_if(icons_.begin(), icons_.end(), [&](const TrayIcon& icon) {
        return icon.owner == owner && icon.id == id;
    });
    return it == icons_.end() ? nullptr : &*it;
}

const TrayIcon* TrayIconList::Find(std::int64_t owner, std::uint32_t id) const {
    return const_cast<TrayIconList*>(this)->FindMutable(owner, id);
}

const TrayIcon* TrayIconList::FindById(std::uint32_t id) const {
    auto it = std::find_if(icons_.begin(), icons_.end(),
                           [&](const TrayIcon& icon) { return icon.id == id; });
    return it == icons_.end() ? nullptr : &*it;
}

std::vector<const TrayIcon*> TrayIconList::Visible() const {
    std::vector<const TrayIcon*> out;
    for (const auto& icon : icons_) {
        if (!icon.hidden) {
            out.push_back(&icon);
        }
    }
    return out;
}

} // namespace luna::tools
