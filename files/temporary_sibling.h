#pragma once
// Names for the temporary file a write goes through. It sits beside the target
// (so the final rename stays on one volume), starts with a dot and ends in .tmp so
// that a file left behind by a killed process is recognisable, and carries the
// process id and a per-process counter so that no two writers can clash.

#include <string>

namespace quellor {

// The folder part of path including its last separator ("" when there is none).
std::string FolderOfPath(const std::string& path);

// Whether path ends in a file name (not empty, not ending in a separator).
bool NamesAFile(const std::string& path);

// A fresh temporary name in the folder of target: ".<name>.quellor-<pid>-<n>.tmp",
// or the shorter ".quellor-<pid>-<n>.tmp" when the long one would exceed the
// system's limit for a name or a path. Each call gives a new n.
std::string TemporarySiblingPath(const std::string& target, unsigned long processId);

}  // namespace quellor
