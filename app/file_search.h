#pragma once
// Finding the files a batch will convert: one folder, or a folder and all of its
// subfolders depth-first, each folder's own files first, in enumeration order.

#include <functional>
#include <string>

namespace quellor {

// Receives each found full path; returning false stops the search (a newer
// search has taken over).
using FoundPathSink = std::function<bool(std::string path)>;

// The trailing-separator rule: one separator appended unless already there.
std::string WithTrailingSeparator(std::string folder);

void FindFiles(const std::string& folder, const std::string& mask, const FoundPathSink& sink);
void FindFilesRecursive(const std::string& folder, const std::string& mask,
                        const FoundPathSink& sink);

}  // namespace quellor
