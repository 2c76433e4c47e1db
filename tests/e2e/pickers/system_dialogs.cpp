#include "pickers/system_dialogs.h"

#include <commdlg.h>
#include <cwchar>
#include <vector>

#include "driver/handle.h"
#include "driver/wait.h"
#include "driver/windows.h"
#include "pickers/fixtures.h"

namespace pickers {
namespace {

// A block of memory in the program's process for the life of the object.
class RemoteMemory {
public:
    RemoteMemory(DWORD processId, size_t size)
        : process_(e2e::OwnHandle(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE,
                                              FALSE, processId))),
          address_(process_ ? VirtualAllocEx(process_.get(), nullptr, size, MEM_COMMIT, PAGE_READWRITE) : nullptr)
    {
        if (!address_) throw e2e::DriverError("cannot allocate memory in the program's process");
    }
    ~RemoteMemory() { VirtualFreeEx(process_.get(), address_, 0, MEM_RELEASE); }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    char* at(size_t offset) const { return static_cast<char*>(address_) + offset; }
    void Write(size_t offset, const void* data, size_t size) const
    {
        if (!WriteProcessMemory(process_.get(), at(offset), data, size, nullptr))
            throw e2e::DriverError("cannot write into the program's process");
    }
    void Read(size_t offset, void* data, size_t size) const
    {
        if (!ReadProcessMemory(process_.get(), at(offset), data, size, nullptr))
            throw e2e::DriverError("cannot read from the program's process");
    }

private:
    e2e::UniqueHandle process_;
    void* address_;
};

HWND FindDialog(DWORD processId, bool (*fits)(HWND))
{
    for (HWND window : e2e::TopLevelWindows(processId))
        if (IsWindowVisible(window) && e2e::ClassName(window) == "#32770" && fits(window)) return window;
    return nullptr;
}

bool HasTree(HWND dialog) { return FindWindowExA(dialog, nullptr, WC_TREEVIEWA, nullptr) != nullptr; }
bool HasFileNameField(HWND dialog) { return GetDlgItem(dialog, 1152) != nullptr; }
bool IsMessageBox(HWND dialog) { return !HasTree(dialog) && !HasFileNameField(dialog); }

bool Equal(const std::wstring& text, const std::wstring& wanted) { return text == wanted; }
bool Contains(const std::wstring& text, const std::wstring& wanted) { return text.find(wanted) != text.npos; }

// The shell shows a drive as its label followed by the letter: "本地磁盘 (C:)".
std::wstring DriveTag(wchar_t letter) { return std::wstring(L"(") + letter + L":)"; }

}  // namespace

HWND WaitForFolderBrowser(DWORD processId)
{
    return e2e::WaitFor("the folder browser", [&] { return FindDialog(processId, HasTree); });
}

HWND WaitForFileDialog(DWORD processId)
{
    return e2e::WaitFor("the file-open dialog", [&] { return FindDialog(processId, HasFileNameField); });
}

bool WaitUntilClosed(HWND dialog, DWORD processId)
{
    bool dismissed = false;
    e2e::WaitFor("the dialog to close", [&] {
        if (HWND box = FindDialog(processId, IsMessageBox); box && GetWindow(box, GW_OWNER) == dialog) {
            ClickButton(box, IDOK);
            e2e::WaitFor("the dialog's message box to go", [&] { return !IsWindow(box); });
            ClickButton(dialog, IDCANCEL);
            dismissed = true;
        }
        return !IsWindow(dialog);
    });
    return dismissed;
}

void ClickButton(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

FolderTree::FolderTree(HWND browser, DWORD processId)
    : tree_(FindWindowExA(browser, nullptr, WC_TREEVIEWA, nullptr)), processId_(processId)
{
}

HTREEITEM FolderTree::ChildWhere(HTREEITEM parent, bool (*fits)(const std::wstring&, const std::wstring&),
                                 const std::wstring& wanted) const
{
    // Expanding is what makes the browser enumerate a folder and insert its children.
    SendMessageW(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
    for (auto child = TreeView_GetChild(tree_, parent); child; child = TreeView_GetNextSibling(tree_, child))
        if (fits(Text(child), wanted)) return child;
    return nullptr;
}

std::string FolderTree::ChildrenOf(HTREEITEM parent) const
{
    std::string texts;
    for (auto child = TreeView_GetChild(tree_, parent); child; child = TreeView_GetNextSibling(tree_, child))
        texts += "\"" + Ansi(Text(child)) + "\" ";
    return texts;
}

std::wstring FolderTree::Text(HTREEITEM item) const
{
    constexpr size_t capacity = 1024;
    RemoteMemory memory(processId_, sizeof(TVITEMW) + capacity * sizeof(wchar_t));
    TVITEMW query = {};
    query.mask = TVIF_TEXT;
    query.hItem = item;
    query.pszText = reinterpret_cast<wchar_t*>(memory.at(sizeof query));
    query.cchTextMax = capacity;
    memory.Write(0, &query, sizeof query);
    if (!SendMessageW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(memory.at(0))))
        throw e2e::DriverError("cannot read a tree item's text");
    std::vector<wchar_t> text(capacity);
    memory.Read(sizeof query, text.data(), capacity * sizeof(wchar_t));
    text.back() = L'\0';
    return text.data();
}

HTREEITEM FolderTree::Computer() const
{
    const HTREEITEM desktop = TreeView_GetRoot(tree_);
    SendMessageW(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(desktop));
    for (auto child = TreeView_GetChild(tree_, desktop); child; child = TreeView_GetNextSibling(tree_, child))
        if (ChildWhere(child, Contains, DriveTag(L'C'))) return child;
    throw e2e::DriverError("the folder browser shows no computer with drive C:");
}

HTREEITEM FolderTree::Find(const std::wstring& path) const
{
    HTREEITEM item = Computer();
    for (size_t start = 0; start < path.size();) {
        size_t end = path.find(L'\\', start);
        if (end == path.npos) end = path.size();
        const bool drive = start == 0;
        const std::wstring name = drive ? DriveTag(path.at(0)) : path.substr(start, end - start);
        const HTREEITEM child = ChildWhere(item, drive ? Contains : Equal, name);
        if (!child)
            throw e2e::DriverError("the folder browser shows no \"" + Ansi(name) + "\" among " + ChildrenOf(item));
        item = child;
        start = end + 1;
    }
    return item;
}

void FolderTree::Select(HTREEITEM item) const
{
    SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    if (Selected() != item) throw e2e::DriverError("the folder browser does not take the selection");
}

HTREEITEM FolderTree::Selected() const { return TreeView_GetSelection(tree_); }

std::string FileNameField(HWND fileDialog) { return e2e::WindowText(GetDlgItem(fileDialog, 1152)); }

std::string ChosenPath(HWND fileDialog, DWORD processId)
{
    constexpr size_t capacity = 2048;
    RemoteMemory memory(processId, capacity);
    const LRESULT length = SendMessageA(fileDialog, CDM_GETFILEPATH, capacity, reinterpret_cast<LPARAM>(memory.at(0)));
    if (length <= 0) throw e2e::DriverError("the file-open dialog tells no file path");
    std::string path(capacity, '\0');
    memory.Read(0, path.data(), capacity);
    return path.c_str();
}

void TypeFileName(HWND fileDialog, const std::wstring& name)
{
    // Character messages, as the keyboard delivers them: unlike WM_SETTEXT they meet the
    // field's limit on the length of its text. Posted, they come before a click posted next.
    const HWND field = GetDlgItem(fileDialog, 1152);
    SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    for (wchar_t character : name) PostMessageW(field, WM_CHAR, character, 1);
}

}  // namespace pickers
