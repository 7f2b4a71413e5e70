#include "app/log_texts.h"

#include <gtest/gtest.h>

namespace quellor {
namespace {

// The log must carry Windows-1251 bytes, whatever the source file's encoding.
TEST(LogTexts, AreWindows1251Bytes) {
  EXPECT_EQ(FoundCountLine(12),
            "\xcd\xc0\xc9\xc4\xc5\xcd\xce \xd4\xc0\xc9\xcb\xce\xc2 12\r\n");  // НАЙДЕНО ФАЙЛОВ
  EXPECT_EQ(RemainingCountLine(0),
            "\xce\xf1\xf2\xe0\xeb\xee\xf1\xfc 0 \xf4\xe0\xe9\xeb\xee\xe2\r\n");  // Осталось, файлов
  EXPECT_EQ(
      SearchWarningText(),
      "\xcf\xf0\xee\xf6\xe5\xf1 \xec\xee\xe6\xe5\xf2 \xe1\xfb\xf2\xfc "
      "\xe4\xeb\xe8\xf2\xe5\xeb\xfc\xed\xfb\xec!\r\n\xcf\xee\xe4\xee\xe6\xe4\xe8\xf2\xe5!\r\n");
}

TEST(LogTexts, CountsInDecimal) {
  EXPECT_EQ(RemainingCountLine(20000), "Осталось 20000 файлов\r\n");
  EXPECT_EQ(FoundCountLine(0), "НАЙДЕНО ФАЙЛОВ 0\r\n");
}

TEST(LogTexts, FoundListEndsEveryPathWithCrLf) {
  EXPECT_EQ(FoundListText({}), "");
  EXPECT_EQ(FoundListText({"C:\\a.txt", "C:\\Docs\\\xc0.txt"}),
            "C:\\a.txt\r\nC:\\Docs\\\xc0.txt\r\n");
}

}  // namespace
}  // namespace quellor
