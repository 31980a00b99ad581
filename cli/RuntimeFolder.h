#pragma once
// Qt's GUI classes ask for the user's runtime folder (XDG_RUNTIME_DIR) when they start, and
// without one they write "QStandardPaths: XDG_RUNTIME_DIR not set" to stderr: a session
// without a desktop (ssh, cron, a container) has none. The drawing subcommands give Qt a
// private one instead, so a success writes nothing to stderr.

namespace vagaris::cli {

// When XDG_RUNTIME_DIR is unset or empty: creates a private folder (mode 0700) under the
// temporary folder, points XDG_RUNTIME_DIR at it, and removes it when the program ends. Call
// before the Q(Gui)Application is made; a set variable is left alone.
void EnsureRuntimeFolder();

}  // namespace vagaris::cli
