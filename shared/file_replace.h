// Saving without losing the old file: the new content goes to a temporary file beside the
// target, is flushed to disk, and only then takes the target's place.
#pragma once

#include <cstddef>

namespace luna {

// The temporary name used for `path`: the same path with its last byte replaced by '~'
// ('_' when it already is '~'), so it fits wherever the target fits.
bool TempPathBeside(const char* path, char* out, std::size_t capacity);

// Replaces `target` by `source` (MoveFileExA with MOVEFILE_REPLACE_EXISTING on Windows,
// rename elsewhere).
bool MoveFileOver(const char* source, const char* target);

// Writes the bytes to `path` through the temporary file. False when the path does not fit
// a 260-byte buffer, the temporary file cannot be created or written, or the replacement
// fails; the old file is then intact and no temporary file is left behind.
bool WriteFileReplacing(const char* path, const void* data, std::size_t size);

} // namespace luna
