// Starting with Windows: the value "DeskTop" under the current user's Run key holds the
// program's path in double quotes (a path with a blank is otherwise read up to the blank).
// Older versions wrote it, unquoted, under the machine's Run key; such a value still counts,
// is rewritten quoted where the account may, and is removed with the user's own value.
#pragma once

#include <cstddef>

#include "shared/registry_store.h"

namespace luna {

// A quoted path and its terminator.
constexpr std::size_t kRunCommandCapacity = 264;

// "\"" exePath "\"". False when exePath is empty or the result does not fit.
bool AutostartCommand(const char* exePath, char (&out)[kRunCommandCapacity]);

// True when the Run command starts exePath: the path in quotes, or unquoted (alone or
// followed by a blank and arguments); ASCII letters compare without regard to case.
// *quoted tells which form it is.
bool CommandStartsProgram(const char* command, const char* exePath, bool* quoted);

// Where the Run value starts this program.
struct AutostartEntries {
    bool user = false;          // under HKEY_CURRENT_USER
    bool machine = false;       // under HKEY_LOCAL_MACHINE
    bool machineQuoted = false; // ... and quoted there
    bool On() const { return user || machine; }
};

AutostartEntries ReadAutostart(RegistryStore& hkcu, RegistryStore& hklm, const char* exePath);

enum class AutostartOutcome {
    Done,           // stored as wanted (or already so)
    NoPath,         // the program's path is unknown or cannot be stored: nothing written
    WriteFailed,    // the user's Run value could not be written or removed
    MachineKeyKept, // unticked, but the machine's value cannot be removed by this account
};

// Makes the Run values start this program (wanted) or not. Writes only what differs from
// what is stored; an unquoted value of this program is rewritten quoted. *on is set to
// whether a Run value starts this program afterwards.
AutostartOutcome ApplyAutostart(RegistryStore& hkcu, RegistryStore& hklm, const char* exePath,
                                bool wanted, bool* on);

} // namespace luna
