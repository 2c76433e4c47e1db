// Restore end to end: a drive root in 编辑框2, a click on 按钮2, the Desktop.ini it deletes and
// the message it shows.
#include <gtest/gtest.h>

#include "driver/app.h"
#include "driver/program_texts.h"
#include "drive_roots.h"
#include "folder_state.h"

namespace e2e {
namespace {

struct RestoreCase {
    const char* name;
    std::string picture;  // what 编辑框1 holds meanwhile, which plays no part
    Root root;
    Existing existing;
    const char* message;
};

void PrintTo(const RestoreCase& c, std::ostream* out) { *out << c.name; }

class RestoreFixture {
protected:
    static void Fill(App& app, const std::string& picture, const PreparedRoot& root)
    {
        app.setText(编辑框1, picture);
        app.setText(编辑框2, root.typed());
    }
};

class RestoreCommand : public ::testing::TestWithParam<RestoreCase>, protected RestoreFixture {};

TEST_P(RestoreCommand, DeletesTheFolderViewFileOrTouchesNothing)
{
    const RestoreCase& c = GetParam();
    PreparedRoot root(c.root, c.existing);
    const FolderState before = FolderState::Of(root.folder());
    App& app = SharedApp();
    Fill(app, c.picture, root);

    EXPECT_EQ(app.runCommand(按钮2), CommandBox(c.message));

    if (c.message == kRestoreDone) {
        EXPECT_FALSE(Exists(root.desktopIni()));
    } else {
        EXPECT_EQ(FolderState::Of(root.folder()), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RestoreCommand,
    ::testing::Values(
        RestoreCase{"EmptyDriveRoot", "", Root::Empty, Existing::None, kRestoreNeedsRoot},
        RestoreCase{"EmptyDriveRootWithAPicture", "C:\\a.jpg", Root::Empty, Existing::None, kRestoreNeedsRoot},
        RestoreCase{"EmptyPicturePathDoesNotStopIt", "", Root::Folder, Existing::Hidden, kRestoreDone},
        RestoreCase{"DesktopIniGenerateNeverWrote", "C:\\a.jpg", Root::Folder, Existing::Plain, kRestoreDone},
        RestoreCase{"ReadOnlyDesktopIniStays", "C:\\a.jpg", Root::Folder, Existing::ReadOnly, kRestoreFailed},
        RestoreCase{"NoDesktopIni", "C:\\a.jpg", Root::Folder, Existing::None, kRestoreFailed},
        RestoreCase{"MissingDriveRoot", "C:\\a.jpg", Root::Missing, Existing::None, kRestoreFailed},
        RestoreCase{"DriveRootWithBackslash", "C:\\a.jpg", Root::DriveWithBackslash, Existing::Hidden,
                    kRestoreDone},
        RestoreCase{"DriveLetterAndColon", "C:\\a.jpg", Root::DriveAlone, Existing::Hidden, kRestoreDone}),
    [](const auto& info) { return std::string(info.param.name); });

class RestoreAfterGenerate : public ::testing::Test, protected RestoreFixture {};

// The round trip a user makes: Generate, Restore, and Restore once more to nothing.
TEST_F(RestoreAfterGenerate, DeletesTheHiddenFileThenReportsNothingLeft)
{
    PreparedRoot root(Root::Folder, Existing::None);
    App app;
    Fill(app, "C:\\a.jpg", root);
    ASSERT_EQ(app.runCommand(按钮1), CommandBox(kGenerateDone));
    ASSERT_EQ(AttributesWithoutArchive(root.desktopIni()), DWORD(FILE_ATTRIBUTE_HIDDEN));

    EXPECT_EQ(app.runCommand(按钮2), CommandBox(kRestoreDone));
    EXPECT_TRUE(ListDir(root.folder()).empty());
    EXPECT_EQ(app.runCommand(按钮2), CommandBox(kRestoreFailed));

    // With the file gone, a new picture can be set.
    Fill(app, "C:\\b.jpg", root);
    EXPECT_EQ(app.runCommand(按钮1), CommandBox(kGenerateDone));
    EXPECT_NE(ReadBytes(root.desktopIni()).find("IconArea_Image=C:\\b.jpg\r\n"), std::string::npos);
}

}  // namespace
}  // namespace e2e
