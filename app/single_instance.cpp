#include "app/single_instance.h"

namespace luna {
namespace {

constexpr char kInstanceEventName[] = "1110{234023894kjlwf0qw8erkdfsdfsad[0f9sdfksaldfksdo9f}";

} // namespace

bool SingleInstanceEvent::Create() {
    event_ = CreateEventA(nullptr, FALSE, FALSE, kInstanceEventName);
    return GetLastError() != ERROR_ALREADY_EXISTS;
}

void SingleInstanceEvent::Close() {
    if (event_ != nullptr) {
        CloseHandle(event_);
        event_ = nullptr;
    }
}

} // namespace luna
