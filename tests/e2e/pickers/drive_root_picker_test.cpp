// 按钮3 and the system's folder browser, driven in the real program: whatever the dialog
// yields replaces 编辑框2, and the main window is out of reach while the dialog is open.
#include <gtest/gtest.h>

#include "driver/app.h"
#include "pickers/fixtures.h"
#include "pickers/system_dialogs.h"

namespace pickers {
namespace {

class DriveRootPicker : public PickerTest {
protected:
    // Clicks 按钮3 over a filled 编辑框2, checks the main window while the browser shows,
    // lets `choose` steer the browser and returns what 编辑框2 holds afterwards.
    template <class Choose>
    std::string Pick(Choose choose)
    {
        app_.setText(编辑框2, "D:\\former");
        app_.click(按钮3);
        const HWND browser = WaitForFolderBrowser(app_.processId());
        EXPECT_FALSE(IsWindowEnabled(app_.window())) << "the main window takes clicks under the browser";
        choose(browser, FolderTree(browser, app_.processId()));
        ExpectMainWindowBackAfter(browser);
        return app_.text(编辑框2);
    }

    // Picks the folder of `path` (made beforehand) and confirms it.
    std::string PickFolder(const std::wstring& path)
    {
        return Pick([&](HWND browser, const FolderTree& tree) {
            tree.Select(tree.Find(path));
            ClickButton(browser, IDOK);
        });
    }
};

TEST_F(DriveRootPicker, ADriveRootComesBackWithItsBackslash)
{
    EXPECT_EQ(PickFolder(L"C:\\"), "C:\\");
}

TEST_F(DriveRootPicker, AFolderComesBackWithItsFullPathWithoutABackslash)
{
    struct Case {
        const char* what;
        std::wstring relative;
    };
    const Case cases[] = {
        {"a folder", L"pictures"},
        {"a folder below a folder", L"pictures\\summer 2024"},
        {"a Chinese name", L"图片\\壁纸"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::wstring path = base_ + c.relative;
        entries_.Folders(path);
        EXPECT_EQ(PickFolder(path), Ansi(path));
    }
}

TEST_F(DriveRootPicker, PathsAtTheLimitOfTheBufferAndBeyond)
{
    struct Case {
        size_t length;
        bool comesBack;  // a cut path would name another folder: nothing comes back instead
    };
    for (const Case c : {Case{259, true}, Case{260, false}, Case{300, false}}) {
        SCOPED_TRACE(std::to_string(c.length) + " bytes");
        const std::wstring path = PathOfLength(base_, c.length);
        entries_.Folders(path);
        ASSERT_EQ(Ansi(path).size(), c.length);
        EXPECT_EQ(PickFolder(path), c.comesBack ? Ansi(path) : std::string());
    }
}

TEST_F(DriveRootPicker, ANameTheCodePageCannotHoldDoesNotComeBack)
{
    const std::wstring path = base_ + L"\u0e20\u0e32\u0e1e";  // Thai: no GBK character for it
    bool exact = true;
    Ansi(path, &exact);
    ASSERT_FALSE(exact) << "the name would be representable after all";
    entries_.Folder(path);
    EXPECT_EQ(PickFolder(path), "");
}

TEST_F(DriveRootPicker, CancelAndItemsWithoutAPathEmptyTheBox)
{
    EXPECT_EQ(Pick([](HWND browser, const FolderTree&) { ClickButton(browser, IDCANCEL); }), "");
    EXPECT_EQ(Pick([](HWND browser, const FolderTree& tree) {
                  tree.Select(tree.Computer());
                  ClickButton(browser, IDOK);
              }),
              "");
}

}  // namespace
}  // namespace pickers
