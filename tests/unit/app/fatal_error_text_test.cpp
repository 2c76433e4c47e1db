#include "app/fatal_error_text.h"
#include <gtest/gtest.h>
#include <string>

namespace {

std::string Bytes(const FixedText& text) { return std::string(text.c_str(), text.size()); }

// 运行时出错! / 错误信息： in GBK, around the message, with the CR LF pairs between.
const std::string kHead = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";

TEST(FatalErrorText, FramesTheMessage)
{
    EXPECT_EQ(Bytes(FatalErrorText("载入启动窗口失败")), kHead + "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC\r\n");
    EXPECT_EQ(Bytes(FatalErrorText("载入窗口模板数据段出错!")), kHead + std::string("载入窗口模板数据段出错!") + "\r\n");
    EXPECT_EQ(Bytes(FatalErrorText("")), kHead + "\r\n");
}

TEST(FatalErrorText, NamesTheSizeOfAFailedAllocation)
{
    // 分配 %d 字节内存失败!
    const std::string head = "\xB7\xD6\xC5\xE4 ";
    const std::string tail = " \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!";
    EXPECT_EQ(Bytes(AllocationFailureMessage(0)), head + "0" + tail);
    EXPECT_EQ(Bytes(AllocationFailureMessage(212)), head + "212" + tail);
    EXPECT_EQ(Bytes(AllocationFailureMessage(4294967295u)), head + "4294967295" + tail);
    EXPECT_EQ(Bytes(AllocationFailureMessage(static_cast<std::size_t>(-1))),
              head + std::to_string(static_cast<std::size_t>(-1)) + tail);
}

TEST(FatalErrorText, CutsAnOverlongMessageInsideItsBuffer)
{
    const std::string longMessage(2000, 'x');
    const FixedText text = FatalErrorText(longMessage.c_str());
    EXPECT_EQ(text.size(), 511u);
    EXPECT_EQ(Bytes(text), (kHead + longMessage).substr(0, 511));
    EXPECT_EQ(text.c_str()[511], '\0');
}

}  // namespace
