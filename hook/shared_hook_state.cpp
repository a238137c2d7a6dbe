// The shared data section: the same memory in lunavis and in the shell. GCC places a
// fully initialised definition with these attributes in a section marked SHARED.
#include "hook/shared_hook_state.h"

namespace {

__attribute__((section(".shr"), shared)) luna::SharedHookState sharedHookState = {};

} // namespace

namespace luna {

SharedHookState& SharedState() {
    return sharedHookState;
}

} // namespace luna
