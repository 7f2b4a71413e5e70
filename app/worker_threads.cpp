#include "app/worker_threads.h"

#include <cstdint>

#include "app/main_form.h"
#include "app/program_state.h"
#include "ui/handles.h"

namespace quellor {
namespace {

FoundFileList::Generation GenerationOf(void* argument) {
  return static_cast<FoundFileList::Generation>(reinterpret_cast<std::uintptr_t>(argument));
}

}  // namespace

bool StartWorker(LPTHREAD_START_ROUTINE routine, void* argument) {
  const ui::UniqueHandle thread(CreateThread(nullptr, 0, routine, argument, 0, nullptr));
  return static_cast<bool>(thread);
}

// No exception may leave a thread entry: a worker that fails just ends.
DWORD WINAPI FlatSearchThread(void* generation) {
  try {
    theMainForm->RunSearch(GenerationOf(generation), false);
  } catch (...) {
  }
  return 0;
}

DWORD WINAPI RecursiveSearchThread(void* generation) {
  try {
    theMainForm->RunSearch(GenerationOf(generation), true);
  } catch (...) {
  }
  return 0;
}

DWORD WINAPI ConvertLastFileThread(void* /*unused*/) {
  try {
    theMainForm->ConvertLastFile();
  } catch (...) {
  }
  return 0;
}

}  // namespace quellor
