#pragma once
// A deliberately plain model of the link-case passes for the fuzz target: it
// follows the steps literally, copying the remaining text and looking for its
// first NUL again on every search. Slow on purpose; it shares no code with the
// real passes.

#include <string>

#include "rewrite/link_case.h"

namespace quellor::naive {

std::string LowerHrefValues(std::string text);
std::string LowerSrcValues(std::string text);
std::string LowerAddItemArgs(std::string text);
std::string ApplyPasses(std::string text, PassSelection passes);

}  // namespace quellor::naive
