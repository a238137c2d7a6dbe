#include "hook/logic/subclass_rules.h"

namespace luna {

AttachStep DecideAttach(SubclassMode mode, bool recordIsThisWindow, bool recordWindowAlive) {
    if (mode == SubclassMode::None) {
        return AttachStep::Subclass;
    }
    if (recordIsThisWindow) {
        // Subclassing again would put ours in the chain twice with one saved procedure:
        // the inner copy would call the outer one's predecessor, round and round.
        return mode == SubclassMode::Active ? AttachStep::AlreadyActive : AttachStep::Rearm;
    }
    return recordWindowAlive ? AttachStep::Refuse : AttachStep::Subclass;
}

RestoreStep DecideRestore(SubclassMode mode, bool windowAlive, bool oursIsCurrent) {
    if (mode != SubclassMode::Active) {
        return RestoreStep::Nothing;
    }
    if (!windowAlive) {
        return RestoreStep::Forget;
    }
    return oursIsCurrent ? RestoreStep::PutBack : RestoreStep::StayAsPassThrough;
}

} // namespace luna
