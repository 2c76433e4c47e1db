#include <gtest/gtest.h>
#include <string>

// Built-in texts are compiled to code page 936 bytes although the sources are UTF-8.
TEST(BuiltInText, IsEncodedAsGbk)
{
    const std::string generate = "生成";
    EXPECT_EQ(generate, std::string("\xC9\xFA\xB3\xC9"));
}
