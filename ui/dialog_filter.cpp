#include "ui/dialog_filter.h"

namespace quellor::ui {
namespace {

std::string_view TakeField(std::string_view& rest) {
  const std::size_t bar = rest.find('|');
  const std::string_view field = rest.substr(0, bar);
  rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
  return field;
}

}  // namespace

std::string OpenFileNameFilter(std::string_view barSeparated) {
  std::string list;
  std::string_view rest = barSeparated;
  while (!rest.empty()) {
    const std::string_view description = TakeField(rest);
    const std::string_view pattern = TakeField(rest);
    if (pattern.empty()) continue;  // an entry without a pattern filters nothing
    list.append(description.empty() ? pattern : description);
    list.push_back('\0');
    list.append(pattern);
    list.push_back('\0');
  }
  list.push_back('\0');
  if (list.size() == 1) list.push_back('\0');
  return list;
}

}  // namespace quellor::ui
