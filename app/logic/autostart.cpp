#include "app/logic/autostart.h"

#include <cstdio>
#include <cstring>

#include "shared/gbk_text.h"
#include "shared/registry_layout.h"
#include "shared/settings_registry.h"

namespace luna {
namespace {

unsigned char FoldAscii(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

// Whether `text` begins with `path`; ASCII letters fold, double-byte characters compare
// exactly (their trail bytes may look like letters). Sets *length to the path's length.
bool BeginsWithPath(const char* text, const char* path, std::size_t* length) {
    std::size_t i = 0;
    while (path[i] != '\0') {
        const auto p = static_cast<unsigned char>(path[i]);
        if (GbkCharBytes(path + i, kGbkTerminated) == 2) {
            if (text[i] != path[i] || text[i + 1] != path[i + 1]) {
                return false;
            }
            i += 2;
            continue;
        }
        if (FoldAscii(static_cast<unsigned char>(text[i])) != FoldAscii(p)) {
            return false;
        }
        ++i;
    }
    *length = i;
    return true;
}

// The Run value "DeskTop" of one root, "" when there is none (or it cannot be read).
void ReadRunCommand(RegistryStore& root, char (&out)[kRunCommandCapacity]) {
    out[0] = '\0';
    RegKey key = 0;
    if (!root.OpenKey(regkey::Run, RegAccess::Query, &key)) {
        return;
    }
    if (!QueryRegText(root, key, regvalue::DeskTop, out, sizeof out)) {
        out[0] = '\0';
    }
    root.CloseKey(key);
}

bool SetRunCommand(RegistryStore& root, const char* command) {
    RegKey key = 0;
    bool created = false;
    if (!root.CreateKey(regkey::Run, RegAccess::All, &key, &created)) {
        return false;
    }
    const bool set = root.SetValue(key, regvalue::DeskTop, kRegSz, command,
                                   static_cast<std::uint32_t>(std::strlen(command)));
    root.CloseKey(key);
    return set;
}

bool DeleteRunCommand(RegistryStore& root) {
    RegKey key = 0;
    if (!root.OpenKey(regkey::Run, RegAccess::All, &key)) {
        return false;
    }
    const bool deleted = root.DeleteValue(key, regvalue::DeskTop);
    root.CloseKey(key);
    return deleted;
}

} // namespace

bool AutostartCommand(const char* exePath, char (&out)[kRunCommandCapacity]) {
    out[0] = '\0';
    if (exePath == nullptr || exePath[0] == '\0') {
        return false;
    }
    const int length = std::snprintf(out, sizeof out, "\"%s\"", exePath);
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof out) {
        out[0] = '\0';
        return false;
    }
    return true;
}

bool CommandStartsProgram(const char* command, const char* exePath, bool* quoted) {
    if (command == nullptr || exePath == nullptr || exePath[0] == '\0') {
        return false;
    }
    std::size_t length = 0;
    if (command[0] == '"') {
        if (!BeginsWithPath(command + 1, exePath, &length) || command[1 + length] != '"') {
            return false;
        }
        *quoted = true;
        return true;
    }
    if (!BeginsWithPath(command, exePath, &length) ||
        (command[length] != '\0' && command[length] != ' ')) {
        return false;
    }
    *quoted = false;
    return true;
}

AutostartEntries ReadAutostart(RegistryStore& hkcu, RegistryStore& hklm, const char* exePath) {
    AutostartEntries entries;
    char command[kRunCommandCapacity];
    bool quoted = false;
    ReadRunCommand(hkcu, command);
    entries.user = CommandStartsProgram(command, exePath, &quoted);
    ReadRunCommand(hklm, command);
    entries.machine = CommandStartsProgram(command, exePath, &quoted);
    entries.machineQuoted = entries.machine && quoted;
    return entries;
}

AutostartOutcome ApplyAutostart(RegistryStore& hkcu, RegistryStore& hklm, const char* exePath,
                                bool wanted, bool* on) {
    const AutostartEntries before = ReadAutostart(hkcu, hklm, exePath);
    *on = before.On();
    char command[kRunCommandCapacity];
    if (!AutostartCommand(exePath, command)) {
        return AutostartOutcome::NoPath;
    }
    AutostartOutcome outcome = AutostartOutcome::Done;
    if (wanted) {
        if (before.machine) {
            // One entry is enough: a second would start the program twice.
            if (!before.machineQuoted) {
                SetRunCommand(hklm, command); // kept as it is where the account may not
            }
            if (before.user && !DeleteRunCommand(hkcu)) {
                outcome = AutostartOutcome::WriteFailed;
            }
        } else {
            char stored[kRunCommandCapacity];
            ReadRunCommand(hkcu, stored);
            if (std::strcmp(stored, command) != 0 && !SetRunCommand(hkcu, command)) {
                outcome = AutostartOutcome::WriteFailed;
            }
        }
    } else {
        if (before.user && !DeleteRunCommand(hkcu)) {
            outcome = AutostartOutcome::WriteFailed;
        }
        if (before.machine && !DeleteRunCommand(hklm) && outcome == AutostartOutcome::Done) {
            outcome = AutostartOutcome::MachineKeyKept;
        }
    }
    *on = ReadAutostart(hkcu, hklm, exePath).On();
    return outcome;
}

} // namespace luna
