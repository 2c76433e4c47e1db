// 按钮4 and the system's file-open dialog, driven in the real program: after every dialog
// 编辑框1 shows the file name 通用对话框1 remembers, the last one confirmed.
#include <gtest/gtest.h>

#include "driver/app.h"
#include "pickers/fixtures.h"
#include "pickers/system_dialogs.h"

namespace pickers {
namespace {

class PicturePicker : public PickerTest {
protected:
    // Clicks 按钮4, checks the main window while the dialog shows, lets `answer` steer the
    // dialog and returns what 编辑框1 holds afterwards.
    template <class Answer>
    std::string Pick(Answer answer, bool mayComplain = false)
    {
        app_.click(按钮4);
        const HWND dialog = WaitForFileDialog(app_.processId());
        EXPECT_FALSE(IsWindowEnabled(app_.window())) << "the main window takes clicks under the dialog";
        answer(dialog);
        ExpectMainWindowBackAfter(dialog, mayComplain);
        return app_.text(编辑框1);
    }

    std::string Cancel()
    {
        return Pick([](HWND dialog) { ClickButton(dialog, IDCANCEL); });
    }

    // Types the file's full path into the dialog and confirms it.
    std::string Confirm(const std::wstring& path, bool mayComplain = false)
    {
        return Pick(
            [&](HWND dialog) {
                TypeFileName(dialog, path);
                ClickButton(dialog, IDOK);
            },
            mayComplain);
    }

    std::wstring Picture(const std::wstring& relative)
    {
        const std::wstring path = base_ + relative;
        const size_t folder = path.rfind(L'\\');
        if (folder > 2) entries_.Folders(path.substr(0, folder));
        entries_.File(path);
        return path;
    }
};

TEST_F(PicturePicker, ACancelBeforeAnyConfirmedFileEmptiesTheBoxEvenAfterTyping)
{
    app_.activate();
    app_.type("C:\\typed.jpg");
    ASSERT_EQ(app_.text(编辑框1), "C:\\typed.jpg");
    EXPECT_EQ(Cancel(), "");
}

TEST_F(PicturePicker, TheConfirmedFileComesBackAfterCancelAndOpensTheNextDialog)
{
    const std::wstring picture = Picture(L"pictures\\sunset.jpg");
    ASSERT_EQ(Confirm(picture), Ansi(picture));

    app_.setText(编辑框1, "C:\\other.jpg");
    EXPECT_EQ(Pick([&](HWND dialog) {
                  EXPECT_EQ(FileNameField(dialog), "sunset.jpg");
                  EXPECT_EQ(ChosenPath(dialog, app_.processId()), Ansi(picture));
                  ClickButton(dialog, IDCANCEL);
              }),
              Ansi(picture));
}

TEST_F(PicturePicker, NamesAtTheLimitsOfTheBufferAndOfTheCodePage)
{
    struct Case {
        const char* what;
        std::wstring relative;
        bool comesBack;  // otherwise the file confirmed before stays, whatever the dialog says
    };
    const std::wstring thai = L"\u0e20\u0e32\u0e1e.jpg";  // no GBK character for it
    const Case cases[] = {
        {"a Chinese name", L"图片\\壁纸.jpg", true},
        {"259 bytes", PathOfLength(base_, 259).substr(base_.size()), true},
        {"260 bytes", PathOfLength(base_, 260).substr(base_.size()), false},
        {"300 bytes", PathOfLength(base_, 300).substr(base_.size()), false},
        {"a name the code page cannot hold", thai, false},
    };
    std::string confirmed = Ansi(Picture(L"first.jpg"));
    ASSERT_EQ(Confirm(Wide(confirmed)), confirmed);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::wstring picture = Picture(c.relative);
        if (c.comesBack) confirmed = Ansi(picture);
        EXPECT_EQ(Confirm(picture, !c.comesBack), confirmed);
    }
}

}  // namespace
}  // namespace pickers
