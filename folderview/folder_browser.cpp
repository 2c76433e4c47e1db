#include "folderview/folder_browser.h"
#include "app/app_state.h"
#include "app/controls.h"
#include "folderview/modal_guard.h"
#include <shlobj.h>
#include <cstring>
#include <memory>

namespace {

// The shell hands out item ID lists from its task allocator, so they go back to it. Without
// the allocator a list stays unfreed, which costs a few bytes and nothing else.
struct ShellTaskFree {
    void operator()(ITEMIDLIST* list) const
    {
        IMalloc* allocator = nullptr;
        if (FAILED(SHGetMalloc(&allocator))) return;
        allocator->Free(list);
        allocator->Release();
    }
};
using ItemIdList = std::unique_ptr<ITEMIDLIST, ShellTaskFree>;

using PathBuffer = char[MAX_PATH];

// The file-system path of the item, read into the dialog's own buffer. The ANSI call converts
// the shell's path into that buffer and reports success even when the text did not fit (the
// buffer then lacks its terminating zero, or holds a cut path) or when a character had no
// place in the code page (it comes back as '?', which no file name holds, and which the shell
// would take for a wildcard). A path that leads the shell back to the very item chosen is
// the only one handed on; anything else would name a different folder.
std::string PathOfItem(PCIDLIST_ABSOLUTE item, PathBuffer& buffer)
{
    buffer[0] = '\0';
    if (!SHGetPathFromIDListA(item, buffer) || !std::memchr(buffer, '\0', sizeof buffer))
        return {};
    if (!buffer[0] || std::strchr(buffer, '?')) return {};
    ItemIdList reparsed(ILCreateFromPathA(buffer));
    if (!reparsed || !ILIsEqual(reparsed.get(), item)) return {};
    return buffer;
}

}  // namespace

std::string BrowseForFolder(const char* title, bool includeFiles)
{
    PathBuffer buffer = "";
    BROWSEINFOA info = {};
    info.pszDisplayName = buffer;
    info.lpszTitle = title;
    info.ulFlags = includeFiles ? BIF_EDITBOX | BIF_BROWSEINCLUDEFILES : BIF_EDITBOX;

    ItemIdList chosen;
    {
        ProgramModality modality{MainWindowHandle()};
        info.hwndOwner = modality.Owner();
        chosen.reset(SHBrowseForFolderA(&info));
    }
    return chosen ? PathOfItem(chosen.get(), buffer) : std::string();
}

// The dialog's answer replaces the drive root whatever it is: Cancel empties the box too.
void OnDriveRootButton()
{
    WriteControlProperty(编辑框2, kContentProperty, BrowseForFolder("请选择大盘根目录"));
}
