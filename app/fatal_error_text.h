// Texts of the fatal error report, composed without touching the heap: the report of a failed
// allocation must not need an allocation of its own.
#pragma once
#include <cstddef>

// A short text in a buffer of its own; parts that do not fit are cut off.
class FixedText {
public:
    FixedText& operator<<(const char* part);
    FixedText& operator<<(std::size_t number);
    const char* c_str() const { return bytes_; }
    std::size_t size() const { return length_; }

private:
    char bytes_[512] = {};
    std::size_t length_ = 0;
};

// The whole text of the fatal error box around `message`.
FixedText FatalErrorText(const char* message);

// The message for a block of `bytes` bytes that could not be had.
FixedText AllocationFailureMessage(std::size_t bytes);
