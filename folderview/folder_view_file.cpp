#include "folderview/folder_view_file.h"

std::string FolderViewFilePath(const std::string& driveRoot) { return driveRoot + "\\Desktop.ini"; }

std::array<std::string, 7> FolderViewFileLines(const std::string& picturePath)
{
    // The shell view that draws a picture behind the icons, named as its own key and value.
    const std::string view = "{BE098140-A513-11D0-A3A4-00C04FD706EC}";
    return {
        "[ExtShellFolderViews]\r\n",
        view + "=" + view + "\r\n",
        "[" + view + "]\r\n",
        "Attributes=1\r\n",
        "IconArea_Image=" + picturePath + "\r\n",
        "[.ShellClassInfo]\r\n",
        // A customised folder would otherwise make Explorer warn on every move or delete.
        "ConfirmFileOp=0\r\n",
    };
}
