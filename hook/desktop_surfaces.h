// The shell-side drawing state that the list view's first-time work sets up and its
// detach tears down: the off-screen surfaces with the background, the settings copy and
// the reminder and festival files, and the reminder panel drawn onto them.
#pragma once

namespace luna {

// Creates the surfaces, loads the background, the registry style and the reminder and
// festival files. Runs in the shell on the list view's thread.
void CreateSurfaces();

// Releases what CreateSurfaces made. Safe to call when nothing was created.
void ReleaseSurfaces();

// Draws the reminder panel into the composed desktop picture.
void DrawReminderPanel();

} // namespace luna
