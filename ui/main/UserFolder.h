#pragma once
// Environment references in paths ("%APPDATA%", "%UserProfile%") and the per-user marker
// file that records that the user has seen the usage notice.

#include <QString>

#include <functional>

namespace korvane {

// Replaces each "%NAME%" by the variable's value. APPDATA falls back to the XDG data home
// and UserProfile to the home folder; other unknown references stay as written. The result
// is cut to 2048 characters.
QString ExpandEnvironmentText(const QString &text);

// "<expanded APPDATA>/Arvel_DeckPlate" and the marker file inside it.
QString UserFolderOf(const QString &expandedAppData);
QString MarkerFileOf(const QString &userFolder);

// The marker's content: the 32-bit integer 311, little-endian. Only the file's presence
// decides whether the usage notice shows; the value is the one every earlier version of the
// program has written, so that a user folder it shares with them keeps the same four bytes.
inline constexpr int kMarkerValue = 311;

// The start-up's marker steps: when the folder or the file is missing, `showNotice` runs
// (and returns when the notice has been closed), then the missing folder and file are
// created; the file's first four bytes are then made to hold 311. A folder or file that
// cannot be created, opened or written is passed over silently: the start-up goes on.
// Returns whether the notice was shown.
bool UpdateMarkerFile(const QString &userFolder, const std::function<void()> &showNotice);

} // namespace korvane
