#include "hook/module_pin.h"

#include <windows.h>

namespace luna {

void PinLibraryInProcess() {
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCSTR>(&PinLibraryInProcess), &self);
}

} // namespace luna
