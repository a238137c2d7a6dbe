// The debug log of the library and of lunavis (which writes its own lines, a shell restart,
// there too): one line per call appended to "e:\lunadebug.txt", from whichever process runs
// the caller. Without a drive E: nothing is written.
#pragma once

namespace luna {

void WriteDebugLog(const char* text);

// Composes a line with a printf-style format, then writes it as WriteDebugLog does.
void WriteDebugLogf(const char* format, ...) __attribute__((format(printf, 1, 2)));

} // namespace luna
