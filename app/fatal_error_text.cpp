#include "app/fatal_error_text.h"

FixedText& FixedText::operator<<(const char* part)
{
    // One byte stays free for the terminating zero.
    while (*part && length_ + 1 < sizeof bytes_) bytes_[length_++] = *part++;
    bytes_[length_] = '\0';
    return *this;
}

FixedText& FixedText::operator<<(std::size_t number)
{
    char digits[24];
    char* first = digits + sizeof digits;
    *--first = '\0';
    do {
        *--first = static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number);
    return *this << first;
}

FixedText FatalErrorText(const char* message)
{
    FixedText text;
    text << "运行时出错!" << "\r\n\r\n" << "错误信息：" << message << "\r\n";
    return text;
}

FixedText AllocationFailureMessage(std::size_t bytes)
{
    FixedText text;
    text << "分配 " << bytes << " 字节内存失败!";
    return text;
}
