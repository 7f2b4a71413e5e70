#include "rewrite/link_case.h"

#include <cstddef>
#include <string_view>
#include <utility>

#include "rewrite/ascii_lower.h"
#include "rewrite/byte_search.h"

// Each pass works in place on the text it owns. That is safe because lowercasing
// keeps the length and the only bytes a pass adds (a missing closing quote or
// comma) go at the very end. The part still to be dealt with is always a suffix
// of the text, and it can move past the text's first NUL only by being taken
// whole, so one NUL search per pass bounds every later search.

namespace quellor {

namespace {

void LowerRange(std::string& text, std::size_t from, std::size_t to) {
  char* const base = text.data();
  LowerAsciiRangeWithin(base + from, base + to, base + text.size());
}

std::string LowerQuotedValues(std::string text, std::string_view keyword) {
  const char* const base = text.data();
  const char* const searchEnd = FindByte(base, base + text.size(), '\0');
  const char* rest = base;
  while (true) {
    const char* match = FindKeyword(rest, searchEnd, keyword);
    if (match == searchEnd) break;
    const char* afterKeyword = match + keyword.size();
    // Unquoted values (href=page.htm, img.src=Pics[i];) are left as they are:
    // lowering up to some guessed end would change script code. Only the
    // keyword is passed over. A NUL or the end of the text lands here too.
    if (afterKeyword == searchEnd || (*afterKeyword != '"' && *afterKeyword != '\'')) {
      rest = afterKeyword;
      continue;
    }
    const char quote = *afterKeyword;
    const char* valueBegin = afterKeyword + 1;
    const char* closing = FindByte(valueBegin, searchEnd, quote);
    const auto valueFrom = static_cast<std::size_t>(valueBegin - base);
    if (closing == searchEnd) {
      // No closing quote in the searchable part: the value is all the rest.
      LowerRange(text, valueFrom, text.size());
      text.push_back(quote);
      return text;
    }
    LowerRange(text, valueFrom, static_cast<std::size_t>(closing - base));
    rest = closing + 1;
  }
  return text;
}

}  // namespace

std::string LowerHrefValues(std::string text) {
  return LowerQuotedValues(std::move(text), "href=");
}

std::string LowerSrcValues(std::string text) { return LowerQuotedValues(std::move(text), "src="); }

std::string LowerAddItemArgs(std::string text) {
  static constexpr std::string_view kKeyword = "addItem(";
  const char* const base = text.data();
  const char* const searchEnd = FindByte(base, base + text.size(), '\0');
  const char* rest = base;
  while (true) {
    const char* match = FindKeyword(rest, searchEnd, kKeyword);
    if (match == searchEnd) break;
    // The keyword holds no comma, so the first comma after the match is the
    // one after the first argument.
    const char* firstComma = FindByte(match + kKeyword.size(), searchEnd, ',');
    if (firstComma == searchEnd) {
      // The first argument runs to the end; both commas are missing.
      text.append(",,");
      return text;
    }
    const char* argBegin = firstComma + 1;
    const char* secondComma = FindByte(argBegin, searchEnd, ',');
    const auto argFrom = static_cast<std::size_t>(argBegin - base);
    if (secondComma == searchEnd) {
      LowerRange(text, argFrom, text.size());
      text.push_back(',');
      return text;
    }
    LowerRange(text, argFrom, static_cast<std::size_t>(secondComma - base));
    rest = secondComma + 1;
  }
  return text;
}

std::string ApplyPasses(std::string text, PassSelection passes) {
  if (passes.href) text = LowerHrefValues(std::move(text));
  if (passes.src) text = LowerSrcValues(std::move(text));
  if (passes.addItem) text = LowerAddItemArgs(std::move(text));
  return text;
}

}  // namespace quellor
