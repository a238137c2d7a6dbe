// The system page's decisions: its controls from the display settings, the timed-shutdown
// text, the chosen bitmap, clearing the registry, and what its Apply writes and sends.
#pragma once

#include <cstdint>

#include "app/logic/sheet_context.h"
#include "shared/registry_layout.h"

namespace luna {

// The background style radio buttons; the values are those of DeskTopStyle.
enum class DesktopStyleButton { None = -1, Picture = 0, Gradient = 1, Solid = 2, Random = 3 };

struct SystemPageControls {
    bool autoStart = false; // "开机运行"
    bool shutdown = false;  // "定时关机"
    int hourIndex = 0;      // selected index of the hour list, which is the hour
    int minuteIndex = 0;    // selected index of the minute list, which is the minute
    DesktopStyleButton style = DesktopStyleButton::None;
};

struct SystemPageState {
    std::uint32_t pendingBackColor = 0; // the solid colour as chosen on the page
    bool backgroundChanged = false;     // a bitmap was chosen
    char backImagePath[kPathCapacity] = {};
};

constexpr int kShutdownHours = 24;
constexpr int kShutdownMinutes = 60;
constexpr std::size_t kShutdownTimeSize = 12;

SystemPageControls SystemControlsFromSettings(const DisplaySettings& settings);
SystemPageState SystemStateFromSettings(const DisplaySettings& settings);

// The entries of the hour and minute lists: "%2d", so that the sorted order is numeric.
void FormatListNumber(int number, char (&out)[4]);

// "%2d:%2d" of hour and minute, as the main window's timer compares it.
void FormatShutdownTime(int hour, int minute, char (&out)[kShutdownTimeSize]);

// Keeps the bitmap chosen in the file dialog. False, and nothing kept, when the path does
// not fit the registry value's buffer with its terminator.
bool ChooseBackImage(SystemPageState& state, const char* path);

// The clear button: every stored setting and the autostart entry go, and no page writes
// again until the next Apply has passed. The settings in memory stay as they are.
void ClearStoredSettings(SheetContext& context, RegistryStore& hklm, void (*sleepMs)(unsigned));

// The system page's Apply. hklm is the machine's registry (the Run key); exePath is the
// executable's full path, or empty when it could not be found whole. While the registry is
// cleared nothing is written and the clear flag ends here, the last page of the sheet.
void ApplySystemPage(SheetContext& context, RegistryStore& hklm, const char* exePath,
                     SystemPageState& state, const SystemPageControls& controls);

} // namespace luna
