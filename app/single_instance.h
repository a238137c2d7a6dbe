// The named event whose existence marks a running lunavis.
#pragma once

#include <windows.h>

namespace luna {

class SingleInstanceEvent {
  public:
    SingleInstanceEvent() = default;
    SingleInstanceEvent(const SingleInstanceEvent&) = delete;
    SingleInstanceEvent& operator=(const SingleInstanceEvent&) = delete;
    ~SingleInstanceEvent() { Close(); }

    // Creates the event; false when another instance already holds it.
    bool Create();
    // Closes the handle once; later calls do nothing.
    void Close();

  private:
    HANDLE event_ = nullptr;
};

} // namespace luna
