// Entering and leaving a window's chain of procedures while other desktop tools subclass
// the same windows, as tables of the situations and the step taken.
#include <gtest/gtest.h>

#include "hook/logic/subclass_rules.h"

namespace luna {
namespace {

using Mode = SubclassMode;

struct AttachCase {
    Mode mode;
    bool recordIsThisWindow;
    bool recordWindowAlive;
    AttachStep expected;
};

TEST(SubclassRules, AttachNeverPutsOurProcedureInAChainTwice) {
    const AttachCase cases[] = {
        {Mode::None, false, false, AttachStep::Subclass},
        {Mode::None, true, true, AttachStep::Subclass},          // restored earlier
        {Mode::Active, true, true, AttachStep::AlreadyActive},   // a second first message
        {Mode::PassThrough, true, true, AttachStep::Rearm},      // another tool kept us inside
        {Mode::PassThrough, false, true, AttachStep::Refuse},    // still inside another window
        {Mode::PassThrough, false, false, AttachStep::Subclass}, // that window is gone
        {Mode::Active, false, true, AttachStep::Refuse},
        {Mode::Active, false, false, AttachStep::Subclass},
    };
    for (const AttachCase& c : cases) {
        EXPECT_EQ(c.expected, DecideAttach(c.mode, c.recordIsThisWindow, c.recordWindowAlive))
            << static_cast<int>(c.mode) << c.recordIsThisWindow << c.recordWindowAlive;
    }
}

struct RestoreCase {
    Mode mode;
    bool windowAlive;
    bool oursIsCurrent;
    RestoreStep expected;
};

TEST(SubclassRules, RestoreOnlyWhileOursIsTheCurrentProcedure) {
    const RestoreCase cases[] = {
        {Mode::Active, true, true, RestoreStep::PutBack},
        {Mode::Active, true, false, RestoreStep::StayAsPassThrough}, // another tool above us
        {Mode::Active, false, false, RestoreStep::Forget},
        {Mode::PassThrough, true, true, RestoreStep::Nothing},
        {Mode::None, true, false, RestoreStep::Nothing},
    };
    for (const RestoreCase& c : cases) {
        EXPECT_EQ(c.expected, DecideRestore(c.mode, c.windowAlive, c.oursIsCurrent))
            << static_cast<int>(c.mode) << c.windowAlive << c.oursIsCurrent;
    }
}

} // namespace
} // namespace luna
