#include "pickers/fixtures.h"

#include "driver/wait.h"
#include "pickers/system_dialogs.h"

namespace pickers {

Entries::~Entries()
{
    for (auto entry = made_.rbegin(); entry != made_.rend(); ++entry)
        entry->second ? RemoveDirectoryW(entry->first.c_str()) : DeleteFileW(entry->first.c_str());
}

void Entries::Folder(const std::wstring& path)
{
    if (!CreateDirectoryW(path.c_str(), nullptr))
        throw e2e::DriverError("cannot make the folder " + Ansi(path) + " (error " + std::to_string(GetLastError()) + ")");
    made_.emplace_back(path, true);
}

void Entries::Folders(const std::wstring& path)
{
    const size_t parent = path.find_last_of(L'\\', path.size() - 2);
    if (parent != path.npos && parent > 2) Folders(path.substr(0, parent));
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) Folder(path);
}

void Entries::File(const std::wstring& path)
{
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw e2e::DriverError("cannot make the file " + Ansi(path) + " (error " + std::to_string(GetLastError()) + ")");
    CloseHandle(file);
    made_.emplace_back(path, false);
}

std::string Ansi(const std::wstring& text, bool* exact)
{
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), int(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string ansi(size, '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), int(text.size()), ansi.data(), size, nullptr,
                        &usedDefault);
    if (exact) *exact = !usedDefault;
    return ansi;
}

std::wstring Wide(const std::string& ansi)
{
    const int size = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), int(ansi.size()), nullptr, 0);
    std::wstring wide(size, L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), int(ansi.size()), wide.data(), size);
    return wide;
}

std::wstring PathOfLength(const std::wstring& root, size_t length)
{
    const size_t first = (length - root.size()) / 2;
    return root + std::wstring(first, L'a') + L"\\" + std::wstring(length - root.size() - first - 1, L'b');
}

HWND ActiveWindowOf(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndActive : nullptr;
}

PickerTest::PickerTest()
{
    static int count = 0;
    base_ = L"C:\\veldrane-pickers-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++count);
    entries_.Folder(base_);
    base_ += L"\\";
}

void PickerTest::ExpectMainWindowBackAfter(HWND dialog, bool mayComplain)
{
    const bool complained = WaitUntilClosed(dialog, app_.processId());
    EXPECT_TRUE(mayComplain || !complained) << "the dialog complained";
    e2e::WaitFor("the main window to take input again", [&] { return IsWindowEnabled(app_.window()); });
    EXPECT_EQ(ActiveWindowOf(app_.window()), app_.window()) << "the main window is not active again";
}

}  // namespace pickers
