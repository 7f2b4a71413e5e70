#pragma once
// Starting a worker: a plain thread on CreateThread with default security, stack
// size and flags, started and forgotten.

#include <windows.h>

namespace quellor {

// False when the system could not create the thread.
bool StartWorker(LPTHREAD_START_ROUTINE routine, void* argument);

DWORD WINAPI FlatSearchThread(void* generation);
DWORD WINAPI RecursiveSearchThread(void* generation);
DWORD WINAPI ConvertLastFileThread(void* unused);

}  // namespace quellor
