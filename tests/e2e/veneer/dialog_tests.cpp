// Windows the thread creates after the skin was attached are dressed as they are born: a
// message box and both system dialogs the program opens, with their controls.
#include "probes.h"
#include <gtest/gtest.h>
#include <commdlg.h>
#include <shlobj.h>

namespace veneer_e2e {
namespace {

constexpr int kProgramSkin = 10;

class DressedDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        MoveMouse({2, 2});
        OleInitialize(nullptr);
        ASSERT_EQ(1, engine.attach(SkinBytes(kProgramSkin)));
        window.show();
    }
    void TearDown() override { OleUninitialize(); }

    // A dressed dialog: its frame and caption, and its background beside the first control.
    void ExpectDressedDialog(HWND dialog)
    {
        std::vector<Probe> probes = FrameProbes(dialog, skin, true);
        probes.push_back(BackgroundProbe(dialog, skin, "dialog.background", {1, 1}));
        ExpectProbes(dialog, probes);
    }

    Engine engine;
    MainLayout window;
    SkinText skin = SkinSource(kProgramSkin);
};

TEST_F(DressedDialogs, MessageBoxFrameBackgroundAndButton)
{
    const bool shown = InspectDialog(
        [] { MessageBoxA(nullptr, "Generated.", "Info", MB_OK | MB_TASKMODAL); },
        [this](HWND box) {
            ExpectDressedDialog(box);
            // The only button has the focus.
            ExpectProbes(box, {ButtonProbe(box, GetDlgItem(box, IDOK), skin, "focused")});
            // The message text is a static control on the dialog's background: no foreign patch.
            HWND text = GetDlgItem(box, 0xFFFF);
            if (text) {
                const RECT place = PlaceIn(text, box);
                const POINT corner = {place.right - 1, place.top};
                EXPECT_LE(Distance(PixelOf(box, corner), PixelOf(box, {corner.x + 1, corner.y})), 12)
                    << "the text's background differs from the dialog's";
            }
        });
    EXPECT_TRUE(shown);
}

TEST_F(DressedDialogs, FileOpenDialog)
{
    const bool shown = InspectDialog(
        [this] {
            char file[MAX_PATH] = "";
            OPENFILENAMEA open = {sizeof(open)};
            open.hwndOwner = window.hwnd();
            open.lpstrFilter = "Pictures\0*.bmp;*.jpg\0";
            open.lpstrFile = file;
            open.nMaxFile = MAX_PATH;
            open.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
            GetOpenFileNameA(&open);
        },
        [this](HWND dialog) {
            ExpectDressedDialog(dialog);
            if (const HWND cancel = GetDlgItem(dialog, IDCANCEL))
                ExpectProbes(dialog, {ButtonProbe(dialog, cancel, skin, "normal")});
        });
    EXPECT_TRUE(shown);
}

TEST_F(DressedDialogs, FolderBrowser)
{
    const bool shown = InspectDialog(
        [this] {
            BROWSEINFOA browse = {};
            browse.hwndOwner = window.hwnd();
            browse.lpszTitle = "Pick a drive";
            browse.ulFlags = BIF_RETURNONLYFSDIRS;
            if (LPITEMIDLIST picked = SHBrowseForFolderA(&browse)) CoTaskMemFree(picked);
        },
        [this](HWND dialog) {
            ExpectDressedDialog(dialog);
            if (const HWND cancel = GetDlgItem(dialog, IDCANCEL))
                ExpectProbes(dialog, {ButtonProbe(dialog, cancel, skin, "normal")});
        });
    EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace veneer_e2e
