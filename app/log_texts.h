#pragma once
// The texts the program writes into its message log and into a found-list file.
// Built with Windows-1251 literals: the sources that include this are compiled
// with the Russian text flags.

#include <cstddef>
#include <string>
#include <vector>

namespace quellor {

// Written when a search starts.
std::string SearchWarningText();
// Written when a search ends: "НАЙДЕНО ФАЙЛОВ " + count + CR LF.
std::string FoundCountLine(std::size_t count);
// The first log line during a batch: "Осталось " + count + " файлов" + CR LF.
std::string RemainingCountLine(std::size_t count);
// Every path followed by CR LF, in list order; empty for an empty list.
std::string FoundListText(const std::vector<std::string>& paths);

}  // namespace quellor
