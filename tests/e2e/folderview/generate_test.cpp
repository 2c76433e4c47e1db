// Generate end to end: the real program, paths in its edit boxes, a click on 按钮1, the file it
// leaves in the drive root and the message it shows.
#include <gtest/gtest.h>

#include "driver/app.h"
#include "driver/program_texts.h"
#include "drive_roots.h"
#include "folder_state.h"

namespace e2e {
namespace {

std::string SevenLines(const std::string& picture)
{
    return "[ExtShellFolderViews]\r\n"
           "{BE098140-A513-11D0-A3A4-00C04FD706EC}={BE098140-A513-11D0-A3A4-00C04FD706EC}\r\n"
           "[{BE098140-A513-11D0-A3A4-00C04FD706EC}]\r\n"
           "Attributes=1\r\n"
           "IconArea_Image=" + picture + "\r\n"
           "[.ShellClassInfo]\r\n"
           "ConfirmFileOp=0\r\n";
}

// Windows refuses CREATE_ALWAYS with FILE_ATTRIBUTE_NORMAL over a hidden file; Wine replaces it.
bool PlatformReplacesHiddenFiles()
{
    ScratchDir dir("probe");
    WriteBytes(dir / "hidden", "x");
    SetAttributes(dir / "hidden", FILE_ATTRIBUTE_HIDDEN);
    const HANDLE file = CreateFileA((dir / "hidden").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    const bool replaced = file != INVALID_HANDLE_VALUE;
    if (replaced)
        CloseHandle(file);
    return replaced;
}

constexpr const char* kPicture = "C:\\a.jpg";                          // 8 bytes
constexpr const char* kChinesePicture = "D:\\\xCD\xBC\xC6\xAC\\\xB7\xE7\xBE\xB0.jpg";  // D:\图片\风景.jpg in GBK

struct GenerateCase {
    const char* name;
    std::string picture;
    Root root;
    Existing existing;
    const char* message;
    size_t fileBytes;  // the size of the file written; 0 when nothing may be touched
};

void PrintTo(const GenerateCase& c, std::ostream* out) { *out << c.name; }

class GenerateCommand : public ::testing::TestWithParam<GenerateCase> {};

TEST_P(GenerateCommand, WritesTheFolderViewFileOrTouchesNothing)
{
    GenerateCase c = GetParam();
    if (c.existing == Existing::Hidden && PlatformReplacesHiddenFiles()) {
        // Wine lets CREATE_ALWAYS replace a hidden file, which Windows refuses: here the
        // rewrite goes through and the file must come out whole and hidden.
        c.message = kGenerateDone;
        c.fileBytes = SevenLines(c.picture).size();
    }
    PreparedRoot root(c.root, c.existing);
    if (!root.realistic())
        GTEST_SKIP() << "the tests run with privileges that ignore write protection";
    const FolderState before = FolderState::Of(root.folder());
    App& app = SharedApp();
    app.setText(编辑框1, c.picture);
    app.setText(编辑框2, root.typed());

    EXPECT_EQ(app.runCommand(按钮1), CommandBox(c.message));

    if (c.fileBytes) {
        EXPECT_EQ(ReadBytes(root.desktopIni()), SevenLines(c.picture));
        EXPECT_EQ(ReadBytes(root.desktopIni()).size(), c.fileBytes);
        EXPECT_EQ(AttributesWithoutArchive(root.desktopIni()), DWORD(FILE_ATTRIBUTE_HIDDEN));
    } else {
        EXPECT_EQ(FolderState::Of(root.folder()), before);
    }
    // An empty drive root would make "\Desktop.ini", the root of the current drive.
    EXPECT_FALSE(Exists("C:\\Desktop.ini"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GenerateCommand,
    ::testing::Values(
        GenerateCase{"BothEmpty", "", Root::Empty, Existing::None, kGenerateNeedsBoth, 0},
        GenerateCase{"PictureAlone", kPicture, Root::Empty, Existing::None, kGenerateNeedsBoth, 0},
        GenerateCase{"DriveRootAlone", "", Root::Folder, Existing::None, kGenerateNeedsBoth, 0},
        GenerateCase{"SpaceIsAPicturePath", " ", Root::Folder, Existing::None, kGenerateDone, 212},
        GenerateCase{"EightBytePicturePath", kPicture, Root::Folder, Existing::None, kGenerateDone, 219},
        GenerateCase{"ChinesePicturePathAsGbkBytes", kChinesePicture, Root::Folder, Existing::None, kGenerateDone,
                     227},
        GenerateCase{"DriveRootWithBackslash", kPicture, Root::DriveWithBackslash, Existing::None, kGenerateDone,
                     219},
        GenerateCase{"DriveLetterAndColon", kPicture, Root::DriveAlone, Existing::None, kGenerateDone, 219},
        GenerateCase{"PlainDesktopIniRewrittenAndHidden", kPicture, Root::Folder, Existing::Plain, kGenerateDone,
                     219},
        GenerateCase{"MissingDriveRoot", kPicture, Root::Missing, Existing::None, kGenerateFailed, 0},
        GenerateCase{"WriteProtectedDriveRoot", kPicture, Root::WriteProtected, Existing::None, kGenerateFailed,
                     0},
        GenerateCase{"FullDiskLeavesNoPartialFile", kPicture, Root::FullDisk, Existing::None, kGenerateFailed, 0},
        GenerateCase{"ReadOnlyDesktopIniKept", kPicture, Root::Folder, Existing::ReadOnly, kGenerateFailed, 0},
        GenerateCase{"HiddenDesktopIniKeptUntilRestored", kPicture, Root::Folder, Existing::Hidden,
                     kGenerateFailed, 0}),
    [](const auto& info) { return std::string(info.param.name); });

class TypedByHand : public ::testing::Test {};

// The paths typed key by key are the ones Generate uses, exactly as typed.
TEST_F(TypedByHand, GenerateUsesTheTypedPaths)
{
    PreparedRoot root(Root::DriveAlone, Existing::None);
    App app;
    app.focusWithMouse(编辑框2);
    app.type(root.typed());
    app.focusWithMouse(编辑框1);
    app.type("C:\\Pictures\\Sea.jpg");
    app.waitForText(编辑框2, root.typed());
    app.waitForText(编辑框1, "C:\\Pictures\\Sea.jpg");

    EXPECT_EQ(app.runCommand(按钮1), CommandBox(kGenerateDone));
    EXPECT_EQ(ReadBytes(root.desktopIni()), SevenLines("C:\\Pictures\\Sea.jpg"));
}

}  // namespace
}  // namespace e2e
