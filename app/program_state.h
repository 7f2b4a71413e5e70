#pragma once
// The program-wide state the window thread shares with the worker threads.

#include "app/found_files.h"
#include "app/guarded_text.h"

namespace quellor {

class MainForm;

// Set as the first step of building the form, before any control or worker
// exists; never changed afterwards.
extern MainForm* theMainForm;
// Paths found by the last search.
extern FoundFileList FoundFiles;
// The file-name pattern for the next search.
extern GuardedText FileMask;

}  // namespace quellor
