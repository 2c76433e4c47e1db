#include "folderview/folder_view_file.h"
#include <gtest/gtest.h>

namespace {

std::string Content(const std::string& picturePath)
{
    std::string content;
    for (const std::string& line : FolderViewFileLines(picturePath)) content += line;
    return content;
}

std::string ExpectedContent(const std::string& picturePath)
{
    return "[ExtShellFolderViews]\r\n"
           "{BE098140-A513-11D0-A3A4-00C04FD706EC}={BE098140-A513-11D0-A3A4-00C04FD706EC}\r\n"
           "[{BE098140-A513-11D0-A3A4-00C04FD706EC}]\r\n"
           "Attributes=1\r\n"
           "IconArea_Image=" +
           picturePath +
           "\r\n"
           "[.ShellClassInfo]\r\n"
           "ConfirmFileOp=0\r\n";
}

TEST(FolderViewFile, HoldsSevenLinesOfTheirOwnLengths)
{
    const auto lines = FolderViewFileLines("C:\\a.jpg");
    const std::size_t lengths[] = {23, 79, 42, 14, 25, 19, 17};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].size(), lengths[i]) << "line " << i + 1;
        EXPECT_EQ(lines[i].substr(lines[i].size() - 2), "\r\n") << "line " << i + 1;
    }
}

struct ContentCase {
    std::string picturePath;
    std::size_t size;
};

TEST(FolderViewFile, NamesThePictureByteForByte)
{
    // 图片\背景.jpg in GBK: two-byte characters, one of them (0x95 0x5C) ending in a backslash.
    const ContentCase cases[] = {
        {" ", 212},
        {"C:\\a.jpg", 219},
        {"D:\\\xCD\xBC\xC6\xAC\\\xB1\xB3\xBE\xB0.jpg", 211 + 16},
        {"D:\\\x95\x5C.png", 211 + 9},
        {"\"quoted\" %1 ;x=y", 211 + 16},
    };
    for (const ContentCase& c : cases) {
        const std::string content = Content(c.picturePath);
        EXPECT_EQ(content.size(), c.size) << c.picturePath;
        EXPECT_EQ(content, ExpectedContent(c.picturePath)) << c.picturePath;
    }
}

TEST(FolderViewFile, JoinsTheDriveRootAsItStands)
{
    EXPECT_EQ(FolderViewFilePath("D:"), "D:\\Desktop.ini");
    EXPECT_EQ(FolderViewFilePath("D:\\"), "D:\\\\Desktop.ini");
    EXPECT_EQ(FolderViewFilePath(" "), " \\Desktop.ini");
    EXPECT_EQ(FolderViewFilePath("C:\\\xB1\xB3\xBE\xB0"), "C:\\\xB1\xB3\xBE\xB0\\Desktop.ini");
}

}  // namespace
