#pragma once
// The three link-case passes. Each takes a whole file's text by value and returns
// it with one kind of link target lowercased; nothing else changes except that a
// closing quote or comma the text lacks is added at its very end.

#include <string>

namespace quellor {

std::string LowerHrefValues(std::string text);
std::string LowerSrcValues(std::string text);
std::string LowerAddItemArgs(std::string text);

// Which passes a conversion runs; they always run in the order href, src, addItem.
struct PassSelection {
  bool href = true;
  bool src = true;
  bool addItem = true;
};

std::string ApplyPasses(std::string text, PassSelection passes);

}  // namespace quellor
