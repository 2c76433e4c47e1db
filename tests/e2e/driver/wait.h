// Every wait of the end-to-end driver: poll a probe until it yields something, or fail with a
// message that says what was awaited. No test may hang on a program that went astray.
#pragma once
#include <windows.h>
#include <stdexcept>
#include <string>

namespace e2e {

// What the driver throws when the program does not behave; GoogleTest reports the message and
// fails the test, and the destructors of the driver's objects clean up behind it.
struct DriverError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Wine starts a program in a second or two; a fresh prefix or a busy machine can take longer.
constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kTimeoutMs = 10000;

// Calls probe() every few milliseconds until its result converts to true, and returns that
// result; throws DriverError naming `what` when timeoutMs have passed.
template <class Probe>
auto WaitFor(const std::string& what, Probe probe, DWORD timeoutMs = kTimeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (auto result = probe())
            return result;
        if (GetTickCount64() >= deadline)
            throw DriverError("timed out after " + std::to_string(timeoutMs) + " ms waiting for " + what);
        Sleep(15);
    }
}

}  // namespace e2e
