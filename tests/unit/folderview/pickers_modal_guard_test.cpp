// The guards around the system dialogs, on real windows of this process: what they disable,
// what they give back, and that a window the program had disabled itself stays disabled.
#include "folderview/modal_guard.h"
#include <gtest/gtest.h>

namespace {

// One top-level window (or a child of `parent`) for the life of the object.
class Window {
public:
    explicit Window(HWND parent = nullptr, const char* className = "STATIC")
        : handle_(CreateWindowExA(0, className, "", parent ? WS_CHILD | WS_VISIBLE : WS_OVERLAPPEDWINDOW,
                                  10, 10, 200, 100, parent, nullptr, GetModuleHandleA(nullptr), nullptr))
    {
    }
    ~Window() { DestroyWindow(handle_); }
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    HWND get() const { return handle_; }

private:
    HWND handle_;
};

// What a dialog does meanwhile: takes the activation and the focus somewhere else.
void ActivateElsewhere(const Window& other)
{
    SetActiveWindow(other.get());
    SetFocus(other.get());
}

TEST(ProgramModality, DisablesTheTopLevelWindowsAndGivesBackEachRecordedState)
{
    Window main, alreadyDisabled, dialog;
    Window child(main.get(), "EDIT");
    EnableWindow(alreadyDisabled.get(), FALSE);
    SetActiveWindow(main.get());
    ASSERT_EQ(GetActiveWindow(), main.get());
    {
        ProgramModality modality{main.get(), nullptr, child.get(), alreadyDisabled.get()};
        EXPECT_EQ(modality.Owner(), main.get());
        EXPECT_FALSE(IsWindowEnabled(main.get()));
        EXPECT_FALSE(IsWindowEnabled(alreadyDisabled.get()));
        EXPECT_TRUE(IsWindowEnabled(child.get())) << "a child is not a window of its own";
        ActivateElsewhere(dialog);
        ASSERT_EQ(GetActiveWindow(), dialog.get());
    }
    EXPECT_TRUE(IsWindowEnabled(main.get()));
    EXPECT_FALSE(IsWindowEnabled(alreadyDisabled.get()));
    EXPECT_EQ(GetActiveWindow(), main.get());
}

TEST(OwnerModality, DisablesTheOwnerAndGivesTheFocusBack)
{
    Window main, dialog;
    Window edit(main.get(), "EDIT");
    SetActiveWindow(main.get());
    SetFocus(edit.get());
    ASSERT_EQ(GetFocus(), edit.get());
    {
        OwnerModality modality(main.get());
        EXPECT_FALSE(IsWindowEnabled(main.get()));
        ActivateElsewhere(dialog);
    }
    EXPECT_TRUE(IsWindowEnabled(main.get()));
    EXPECT_EQ(GetFocus(), edit.get());
}

TEST(OwnerModality, AnOwnerDisabledBeforehandStaysDisabled)
{
    Window main;
    EnableWindow(main.get(), FALSE);
    { OwnerModality modality(main.get()); }
    EXPECT_FALSE(IsWindowEnabled(main.get()));
}

TEST(OwnerModality, NoOwnerAndNoFocusChangeNothing)
{
    Window dialog;
    SetActiveWindow(dialog.get());
    SetFocus(nullptr);
    { OwnerModality modality(nullptr); }
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_TRUE(IsWindowEnabled(dialog.get()));
}

}  // namespace
