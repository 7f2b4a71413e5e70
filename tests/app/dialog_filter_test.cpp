#include "ui/dialog_filter.h"

#include <gtest/gtest.h>

#include <string>

namespace quellor::ui {
namespace {

using namespace std::string_literals;

TEST(DialogFilter, BuildsTheDoubleNulList) {
  struct Case {
    const char* barSeparated;
    std::string expected;
  };
  const Case cases[] = {
      // Empty descriptions would end the list at once: the pattern stands in.
      {"|*.txt||*.*", "*.txt\0*.txt\0*.*\0*.*\0\0"s},
      {"Text|*.txt|All|*.*", "Text\0*.txt\0All\0*.*\0\0"s},
      {"Text|*.txt", "Text\0*.txt\0\0"s},
      {"Broken|", "\0\0"s},
      {"", "\0\0"s},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(OpenFileNameFilter(c.barSeparated), c.expected) << c.barSeparated;
  }
}

}  // namespace
}  // namespace quellor::ui
