#include "app/logic/export_sources.h"

#include "app/logic/lunar_reminder_item.h"
#include "shared/path_rules.h"
#include "shared/rem_files.h"
#include "shared/settings_registry.h"

namespace luna {

ExportSources GatherExportSources(const std::vector<std::string>& pageItems, RegistryStore& hkcu,
                                  const char* exePath) {
    ExportSources sources;
    for (const std::string& item : pageItems) {
        (IsLunarPageItem(item) ? sources.lunarReminders : sources.reminders)
            .push_back(RecordOfPageItem(item));
    }
    char folder[kPathCapacity] = {};
    if (!DataFilesFolder(hkcu, exePath, folder)) {
        return sources;
    }
    char path[kPathCapacity] = {};
    if (JoinPath(folder, kSolarFileName, path)) {
        ReadFestivalFile(path, &sources.solarFestivals);
    }
    if (JoinPath(folder, kLunarFileName, path)) {
        ReadFestivalFile(path, &sources.lunarFestivals);
    }
    return sources;
}

} // namespace luna
