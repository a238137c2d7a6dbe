// When the shell's copy of the library may put its procedure in front of a window's, and
// what it does with that window on UM_EXIT. Other desktop tools subclass the same windows,
// before and after us, and restore them in their own time: a procedure is put back only
// while ours is the window's current one; otherwise ours stays in the chain and passes
// every message on to the procedure it saved.
#pragma once

#include <cstdint>

namespace luna {

// Where this process's record of one subclassed window stands.
enum class SubclassMode : std::uint8_t {
    None,        // our procedure is not in the window's chain
    Active,      // ours is in the chain and does its work
    PassThrough, // ours is in the chain (another tool holds it above us): it only passes on
};

enum class AttachStep : std::uint8_t {
    Subclass,      // put ours in front of the window's current procedure
    Rearm,         // ours is still in this window's chain: make it active again in place
    AlreadyActive, // nothing to do
    Refuse,        // the one record still serves another live window's chain
};

// recordIsThisWindow: the record names the window being attached; recordWindowAlive: the
// window the record names still exists.
AttachStep DecideAttach(SubclassMode mode, bool recordIsThisWindow, bool recordWindowAlive);

enum class RestoreStep : std::uint8_t {
    PutBack,           // ours is current: give the window its previous procedure again
    StayAsPassThrough, // another procedure sits above ours: keep passing messages on
    Forget,            // the window is gone: the record has nothing left to serve
    Nothing,           // not active: nothing to restore
};

RestoreStep DecideRestore(SubclassMode mode, bool windowAlive, bool oursIsCurrent);

} // namespace luna
