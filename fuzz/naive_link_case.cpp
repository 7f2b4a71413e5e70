#include "fuzz/naive_link_case.h"

#include <string>
#include <utility>

namespace quellor::naive {

namespace {

constexpr std::string::size_type kNone = std::string::npos;

std::string Searchable(const std::string& text) { return text.substr(0, text.find('\0')); }

std::string::size_type Find(const std::string& text, const std::string& keyword) {
  return Searchable(text).find(keyword);
}

std::string Cut(std::string& text, char delimiter) {
  const std::string::size_type at = Searchable(text).find(delimiter);
  std::string piece;
  if (at == kNone) {
    piece = text;
    text = "";
  } else {
    piece = text.substr(0, at);
    text = text.substr(at + 1);
  }
  return piece;
}

std::string Lower(const std::string& text) {
  std::string out;
  for (char c : text) {
    out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return out;
}

std::string QuotedValues(std::string input, const std::string& keyword) {
  std::string remaining = std::move(input);
  std::string output;
  while (true) {
    const std::string::size_type match = Find(remaining, keyword);
    if (match == kNone) break;
    output += remaining.substr(0, match);
    remaining = remaining.substr(match);
    const bool quoted = remaining.size() > keyword.size() &&
                        (remaining[keyword.size()] == '"' || remaining[keyword.size()] == '\'');
    if (!quoted) {
      // An unquoted value: the keyword alone is passed over.
      output += keyword;
      remaining = remaining.substr(keyword.size());
      continue;
    }
    const char delimiter = remaining[keyword.size()];
    remaining = remaining.substr(keyword.size() + 1);
    const std::string value = Cut(remaining, delimiter);
    output += keyword;
    output += delimiter;
    output += Lower(value);
    output += delimiter;
  }
  output += remaining;
  return output;
}

}  // namespace

std::string LowerHrefValues(std::string text) { return QuotedValues(std::move(text), "href="); }

std::string LowerSrcValues(std::string text) { return QuotedValues(std::move(text), "src="); }

std::string LowerAddItemArgs(std::string text) {
  std::string remaining = std::move(text);
  std::string output;
  while (true) {
    const std::string::size_type match = Find(remaining, "addItem(");
    if (match == kNone) break;
    output += remaining.substr(0, match);
    remaining = remaining.substr(match);
    output += Cut(remaining, ',');
    output += ',';
    output += Lower(Cut(remaining, ','));
    output += ',';
  }
  output += remaining;
  return output;
}

std::string ApplyPasses(std::string text, PassSelection passes) {
  if (passes.href) text = LowerHrefValues(text);
  if (passes.src) text = LowerSrcValues(text);
  if (passes.addItem) text = LowerAddItemArgs(text);
  return text;
}

}  // namespace quellor::naive
