// Message tables: each dialog class lists the messages it handles, WM_COMMAND entries
// with the control id (and, where it matters, the notification code), each with the
// member function that handles it. Portable, so the matching is unit-tested natively.
#pragma once

#include <cstddef>
#include <cstdint>

namespace luna {

constexpr unsigned kCommandMessage = 0x0111; // WM_COMMAND
constexpr int kAnyNotification = -1;

template <class Handler> struct MessageEntry {
    unsigned message;
    unsigned commandId;   // WM_COMMAND only: LOWORD(wParam)
    int notificationCode; // WM_COMMAND only: HIWORD(wParam), or kAnyNotification
    Handler handler;
};

// An entry for a message other than WM_COMMAND.
template <class Handler> constexpr MessageEntry<Handler> MapMessage(unsigned message, Handler h) {
    return {message, 0, kAnyNotification, h};
}

// An entry for WM_COMMAND from a control or menu item, any notification code.
template <class Handler> constexpr MessageEntry<Handler> MapCommand(unsigned id, Handler h) {
    return {kCommandMessage, id, kAnyNotification, h};
}

// An entry for WM_COMMAND with one notification code (EN_CHANGE, BN_CLICKED, ...).
template <class Handler>
constexpr MessageEntry<Handler> MapNotification(unsigned id, int code, Handler h) {
    return {kCommandMessage, id, code, h};
}

template <class Handler>
bool EntryMatches(const MessageEntry<Handler>& entry, unsigned message, std::uintptr_t wParam) {
    if (entry.message != message) {
        return false;
    }
    if (message != kCommandMessage) {
        return true;
    }
    const unsigned id = static_cast<unsigned>(wParam & 0xFFFF);
    const int code = static_cast<int>((wParam >> 16) & 0xFFFF);
    return entry.commandId == id &&
           (entry.notificationCode == kAnyNotification || entry.notificationCode == code);
}

// The first entry of the table that handles this message, or null.
template <class Handler, std::size_t N>
const MessageEntry<Handler>* FindMessageEntry(const MessageEntry<Handler> (&table)[N],
                                              unsigned message, std::uintptr_t wParam) {
    for (const MessageEntry<Handler>& entry : table) {
        if (EntryMatches(entry, message, wParam)) {
            return &entry;
        }
    }
    return nullptr;
}

} // namespace luna
