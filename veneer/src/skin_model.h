// A validated skin, as the reader builds it from the bytes and the painters use it. Immutable
// once built: the reader fills it completely or not at all.
#pragma once
#include <windows.h>
#include <array>
#include <cstddef>
#include <cstdint>

namespace veneer {

struct Fill {
    enum class Kind : uint8_t { Solid, VerticalGradient, HorizontalGradient };
    Kind kind = Kind::Solid;
    COLORREF from = 0;  // the only colour of a solid fill; top or left end of a gradient
    COLORREF to = 0;    // bottom or right end of a gradient
};

// One state of a part that is a box: its fill, a one-pixel border and its text or glyph colour.
struct BoxLook {
    Fill fill;
    COLORREF border = 0;
    COLORREF text = 0;
};

enum class CaptionButtonState : uint8_t { Normal, Hot, Pressed, Disabled, Inactive, Count };
enum class PushButtonState : uint8_t { Normal, Hot, Pressed, Disabled, Focused, Default, Count };
enum class EditState : uint8_t { Normal, Hot, Focused, Disabled, Count };

template <typename State, typename T>
using ByState = std::array<T, static_cast<size_t>(State::Count)>;

struct FrameLook {
    Fill caption;        // the caption bar
    COLORREF border = 0; // the frame around the window
    COLORREF title = 0;  // the caption's text
};

struct EditLook {
    ByState<EditState, COLORREF> border{};
    COLORREF text = 0;
    COLORREF background = 0;
    COLORREF disabledText = 0;
    COLORREF disabledBackground = 0;
};

struct Metrics {
    int captionHeight = 0;  // pixels, 16 to 48
    int frameWidth = 0;     // pixels, 1 to 8
    int cornerRadius = 0;   // pixels, 0 to 16: rounding of the window's top corners
};

struct Skin {
    // 1 to 63 printable ASCII characters and a terminating zero. A fixed array rather than a
    // std::string: any std::string pulls libstdc++'s exception machinery into the statically
    // linked DLL (about 230 KB on i686); without it the engine stays near 40 KB.
    char name[64] = {};
    Metrics metrics;
    FrameLook active;
    FrameLook inactive;
    ByState<CaptionButtonState, BoxLook> closeButton{};
    ByState<CaptionButtonState, BoxLook> minimizeButton{};
    ByState<CaptionButtonState, BoxLook> maximizeButton{};
    Fill windowBackground;
    Fill dialogBackground;
    ByState<PushButtonState, BoxLook> pushButton{};
    EditLook edit;
    COLORREF labelText = 0;
    COLORREF labelDisabledText = 0;
};

}  // namespace veneer
