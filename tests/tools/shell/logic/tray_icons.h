// The notification area's icons and what NIM_ADD, NIM_MODIFY and NIM_DELETE do to them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tests/tools/shell/logic/tray_record.h"

namespace luna::tools {

struct TrayIcon {
    std::int64_t owner = 0;
    std::uint32_t id = 0;
    std::uint32_t flags = 0; // every NIF_ flag ever sent for this icon
    std::uint32_t callbackMessage = 0;
    std::u16string tip;
    bool hidden = false;
    std::optional<TrayIconBits> icon;
    std::uint32_t iconRevision = 0; // grows whenever the bits change
};

class TrayIconList {
  public:
    // Applies one request; the result is what Shell_NotifyIcon returns to its caller:
    // adding an icon that exists, or changing or deleting one that does not, fails.
    bool Apply(TrayAction action, const TrayRecord& record);

    const std::vector<TrayIcon>& icons() const { return icons_; }
    const TrayIcon* Find(std::int64_t owner, std::uint32_t id) const;
    // The first icon with this id, whoever owns it.
    const TrayIcon* FindById(std::uint32_t id) const;
    // Icons that are shown, in the order they were added.
    std::vector<const TrayIcon*> Visible() const;
    // Drops the icons of owners that no longer exist (as a shell does when it notices).
    template <typename IsAlive> std::size_t RemoveDead(IsAlive isAlive) {
        std::size_t before = icons_.size();
        std::vector<TrayIcon> kept;
        for (auto& icon : icons_) {
            if (isAlive(icon.owner)) {
                kept.push_back(std::move(icon));
            }
        }
        icons_ = std::move(kept);
        return before - icons_.size();
    }

  private:
    TrayIcon* FindMutable(std::int64_t owner, std::uint32_t id);
    static void Update(TrayIcon& icon, const TrayRecord& record);

    std::vector<TrayIcon> icons_;
};

} // namespace luna::tools
