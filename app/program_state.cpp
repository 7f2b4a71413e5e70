#include "app/program_state.h"

namespace quellor {

MainForm* theMainForm = nullptr;
FoundFileList FoundFiles;
GuardedText FileMask;

}  // namespace quellor
