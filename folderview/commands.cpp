#include "folderview/commands.h"
#include "app/controls.h"
#include "appearance/win_handles.h"
#include "folderview/folder_view_file.h"
#include <windows.h>

namespace {

HANDLE CreateForWriting(const std::string& path)
{
    SECURITY_ATTRIBUTES security = { sizeof(security), nullptr, TRUE };  // default security, inheritable
    return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &security, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

void ShowCommandMessage(const char* text) { MessageBoxA(nullptr, text, "信息：", MB_OK | MB_TASKMODAL); }

bool IsFilled(ControlId box) { return !ReadControlProperty(box, kContentProperty).empty(); }

std::string FolderViewFileOfDriveRoot() { return FolderViewFilePath(ReadControlProperty(编辑框2, kContentProperty)); }

}  // namespace

bool WriteFolderViewFile(const std::string& path, const std::string& picturePath)
{
    FileHandle file(CreateForWriting(path));
    if (!file.valid()) return false;
    for (const std::string& line : FolderViewFileLines(picturePath)) {
        if (!WriteAll(file.get(), line.data(), static_cast<DWORD>(line.size()))) {
            // Half a file would name no picture, or the wrong one: leave none.
            file.reset();
            DeleteFileA(path.c_str());
            return false;
        }
    }
    file.reset();
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
    return true;
}

void Generate()
{
    // 编辑框2 is not read at all while 编辑框1 is empty.
    if (!IsFilled(编辑框1) || !IsFilled(编辑框2)) {
        ShowCommandMessage("^_^||| 请确保已经选择好要更改的分区以及图片路径");
        return;
    }
    if (WriteFolderViewFile(FolderViewFileOfDriveRoot(), ReadControlProperty(编辑框1, kContentProperty))) {
        ShowCommandMessage("`(*^﹏^*)′奴家已经帮您弄好啦，请刷新一下试试吧");
    } else {
        ShowCommandMessage("╯﹏╰ 生成失败了，请确认分区目录存在并且可以写入；要更换图片，请先还原再生成");
    }
}

void Restore()
{
    if (!IsFilled(编辑框2)) {
        ShowCommandMessage("╰_╯还原路径都不给我，这人好坏好坏的哦");
        return;
    }
    if (DeleteFileA(FolderViewFileOfDriveRoot().c_str())) {
        ShowCommandMessage("还原成功，感谢您的支持！！！");
    } else {
        ShowCommandMessage("?o(╥﹏╥)o ?还原失败，请确定已经更改了吗？");
    }
}
