#include "driver/input.h"

#include <vector>

#include "driver/wait.h"

namespace e2e {
namespace {

INPUT KeyInput(WORD virtualKey, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = WORD(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT MouseInput(DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

void Send(std::vector<INPUT> inputs)
{
    if (SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
        throw DriverError("SendInput refused the input (error " + std::to_string(GetLastError()) + ")");
    // The target reads its queue on its own time; a short pause keeps keys in their order
    // relative to the messages the driver sends next.
    Sleep(60);
}

}  // namespace

void PressKey(WORD virtualKey, std::initializer_list<WORD> modifiers)
{
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers)
        inputs.push_back(KeyInput(modifier, false));
    inputs.push_back(KeyInput(virtualKey, false));
    inputs.push_back(KeyInput(virtualKey, true));
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it)
        inputs.push_back(KeyInput(*it, true));
    Send(inputs);
}

void TypeText(const std::string& ascii)
{
    for (char c : ascii) {
        const SHORT key = VkKeyScanA(c);
        if (key == -1)
            throw DriverError(std::string("no key types the character ") + c);
        if (HIBYTE(key) & 1)
            PressKey(LOBYTE(key), {VK_SHIFT});
        else
            PressKey(LOBYTE(key));
    }
}

void ClickAt(POINT screen)
{
    if (!SetCursorPos(screen.x, screen.y))
        throw DriverError("SetCursorPos failed");
    Send({MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)});
}

}  // namespace e2e
