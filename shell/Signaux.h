// SIGTERM and SIGINT (a desktop logout, `kill`, Ctrl+C in a terminal) close the game as its
// close box does, without questions.
#pragma once

namespace zorvane {

class TMainForm;

// The handlers only write a byte to a pipe; the window is closed from the event loop, where it
// is safe to do so. The game then ends with status 0.
void FermeAuxSignaux(TMainForm& fenetre);

} // namespace zorvane
