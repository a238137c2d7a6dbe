// What the reminder page exports to a calendar file: the list as it stands, saved or not,
// and the user's festivals from the data files' folder (DataFilesFolder), where the
// festival dialog keeps them.
#pragma once

#include <string>
#include <vector>

#include "shared/registry_store.h"
#include "shared/reminder_export.h"

namespace luna {

ExportSources GatherExportSources(const std::vector<std::string>& pageItems, RegistryStore& hkcu,
                                  const char* exePath);

} // namespace luna
