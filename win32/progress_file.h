// Where the practice window keeps the pupil's progress between sessions: a small text file in
// the user's application data, %APPDATA%\Velmorand\practice-progress.txt. Only the practice
// window reads or writes it.
#pragma once

#include "practice/progress.h"

#include <string>

namespace velmorand {

// The file's path, or "" when the user has no application data folder.
std::wstring ProgressFilePath();

// What the file holds; a fresh start when it is missing, unreadable, too large or damaged.
Progress LoadProgress(const std::wstring& path);

// Replaces the file as a whole: the progress is written to a file of its own beside it, which
// then takes the file's place, so that a crash or a full disk never leaves half a file. Makes
// the folder when it is missing. False when it could not be stored; the old file is kept then.
bool SaveProgress(const std::wstring& path, const Progress& progress);

} // namespace velmorand
