// Keeps the library mapped in the process that runs it for the rest of that process's
// life. The shell's windows run our subclass procedures: if lunavis dies without
// EndHook, the system may drop its hooks, and with them the last reference that holds
// the library in the shell, while those windows still call into it.
#pragma once

namespace luna {

void PinLibraryInProcess();

} // namespace luna
