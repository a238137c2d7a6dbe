// The system page's decisions: its controls from the display settings, the timed-shutdown
// text, the chosen bitmap, clearing the registry, and what its Apply writes and sends.
#pragma once

#include <cstdint>

#include "app/logic/autostart.h"
#include "app/logic/sheet_context.h"
#include "shared/picture_fit.h"
#include "shared/picture_header.h"
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
    int fit = -1; // the placement list's selection: a PictureFit, -1 none
};

struct SystemPageState {
    std::uint32_t pendingBackColor = 0; // the solid colour as chosen on the page
    bool backgroundChanged = false;     // a bitmap was chosen
    char backImagePath[kPathCapacity] = {};
    PictureFit storedFit = PictureFit::Stretch; // DeskTopFit as the page found or wrote it
    // The user changed the shutdown box or its lists on this visit: only then does Apply
    // arm or disarm the timed shutdown.
    bool shutdownChanged = false;
    // A timed shutdown already fired in this run and Windows refused to power off.
    bool powerOffRefused = false;
};

// What the system page's Apply has to tell the user.
struct SystemApplyOutcome {
    AutostartOutcome autoStart = AutostartOutcome::Done;
    bool shutdownNotArmed = false; // asked to arm again after a refused power-off
};

constexpr int kShutdownHours = 24;
constexpr int kShutdownMinutes = 60;
constexpr std::size_t kShutdownTimeSize = 12;

// The controls as the page opens: the style from the settings; the shutdown box ticked,
// with its hour and minute, while the timed shutdown is armed; the autostart box from
// `autoStart` (the page ticks it from the Run keys, see autostart.h).
SystemPageControls SystemControlsFromSettings(const DisplaySettings& settings);
SystemPageState SystemStateFromSettings(const DisplaySettings& settings);

// The entries of the hour and minute lists: "%2d", so that the sorted order is numeric.
void FormatListNumber(int number, char (&out)[4]);

// "%2d:%2d" of hour and minute, as the main window's timer compares it.
void FormatShutdownTime(int hour, int minute, char (&out)[kShutdownTimeSize]);

// Keeps the bitmap chosen in the file dialog. False, and nothing kept, when the path does
// not fit the registry value's buffer with its terminator.
bool ChooseBackImage(SystemPageState& state, const char* path);

// Why a picture the user picked cannot be the background, for a message box; null when it
// can.
const char* PictureRefusalMessage(PictureVerdict verdict);

// The clear button: every stored setting and the autostart entries go, and no page of
// this sheet writes again; the flag ends when the sheet closes (EndSettingsSheet). The
// settings in memory stay as they are.
void ClearStoredSettings(SheetContext& context, RegistryStore& hklm, void (*sleepMs)(unsigned));

// The sheet has closed (OK, Cancel or the close box): a clearing made in it stops
// silencing the pages, so the next sheet writes again.
void EndSettingsSheet(bool& registryCleared);

// The system page's Apply. hklm is the machine's registry (its Run key); exePath is the
// executable's full path as GBK, or empty when it could not be found whole or holds a
// character GBK cannot represent. While the registry is cleared nothing is written.
SystemApplyOutcome ApplySystemPage(SheetContext& context, RegistryStore& hklm, const char* exePath,
                                   SystemPageState& state, const SystemPageControls& controls);

} // namespace luna
