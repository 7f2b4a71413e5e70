#include "app/log_texts.h"

namespace quellor {

std::string SearchWarningText() { return "Процес может быть длительным!\r\nПодождите!\r\n"; }

std::string FoundCountLine(std::size_t count) {
  return "НАЙДЕНО ФАЙЛОВ " + std::to_string(count) + "\r\n";
}

std::string RemainingCountLine(std::size_t count) {
  return "Осталось " + std::to_string(count) + " файлов\r\n";
}

std::string FoundListText(const std::vector<std::string>& paths) {
  std::size_t size = 0;
  for (const auto& path : paths) size += path.size() + 2;
  std::string text;
  text.reserve(size);
  for (const auto& path : paths) {
    text += path;
    text += "\r\n";
  }
  return text;
}

}  // namespace quellor
