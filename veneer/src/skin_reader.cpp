#include "skin_reader.h"
#include <cstring>

namespace veneer {
namespace {

constexpr char kSignature[4] = {'V', 'N', 'S', 'K'};
constexpr uint16_t kVersion = 1;
constexpr size_t kHeaderSize = 12;
constexpr size_t kEntrySize = 8;
constexpr size_t kMaxNameLength = 63;

// Bytes read front to back. Every read first checks what is left, so a skin that ends early
// makes a read fail instead of running past the caller's block.
class Cursor {
public:
    Cursor(const uint8_t* bytes, size_t length) : bytes_(bytes), left_(length) {}

    // Hands out the next `count` bytes, or fails when fewer are left.
    bool Take(size_t count, const uint8_t*& start)
    {
        if (count > left_)
            return false;
        start = bytes_;
        bytes_ += count;
        left_ -= count;
        return true;
    }
    bool Byte(uint8_t& value)
    {
        const uint8_t* at;
        if (!Take(1, at))
            return false;
        value = at[0];
        return true;
    }
    bool U16(uint16_t& value)
    {
        const uint8_t* at;
        if (!Take(2, at))
            return false;
        value = uint16_t(at[0] | at[1] << 8);
        return true;
    }
    bool U32(uint32_t& value)
    {
        const uint8_t* at;
        if (!Take(4, at))
            return false;
        value = uint32_t(at[0]) | uint32_t(at[1]) << 8 | uint32_t(at[2]) << 16 | uint32_t(at[3]) << 24;
        return true;
    }
    bool AtEnd() const { return left_ == 0; }

private:
    const uint8_t* bytes_;
    size_t left_;
};

bool ReadColour(Cursor& in, COLORREF& colour)
{
    uint8_t red, green, blue;
    if (!in.Byte(red) || !in.Byte(green) || !in.Byte(blue))
        return false;
    colour = RGB(red, green, blue);
    return true;
}

bool ReadFill(Cursor& in, Fill& fill)
{
    uint8_t kind;
    if (!in.Byte(kind) || kind > uint8_t(Fill::Kind::HorizontalGradient) || !ReadColour(in, fill.from))
        return false;
    fill.kind = Fill::Kind(kind);
    // A solid fill repeats its colour as the far end, so painters may treat every fill alike.
    if (fill.kind == Fill::Kind::Solid) {
        fill.to = fill.from;
        return true;
    }
    return ReadColour(in, fill.to);
}

bool ReadBox(Cursor& in, BoxLook& box)
{
    return ReadFill(in, box.fill) && ReadColour(in, box.border) && ReadColour(in, box.text);
}

bool InRange(uint8_t value, int low, int high) { return value >= low && value <= high; }

// Each record reader fills its part of the skin from one payload, for one state of the part.
using RecordReader = bool (*)(Cursor& in, Skin& skin, size_t state);

bool ReadName(Cursor& in, Skin& skin, size_t)
{
    static_assert(sizeof skin.name == kMaxNameLength + 1);
    size_t length = 0;
    for (uint8_t c; in.Byte(c);) {
        if (c == 0)
            return length > 0 && in.AtEnd();
        if (c < 0x20 || c > 0x7E || length == kMaxNameLength)
            return false;
        skin.name[length++] = char(c);
    }
    return false;  // no terminating zero
}

bool ReadMetrics(Cursor& in, Skin& skin, size_t)
{
    uint8_t caption, frame, corner;
    if (!in.Byte(caption) || !in.Byte(frame) || !in.Byte(corner))
        return false;
    if (!InRange(caption, 16, 48) || !InRange(frame, 1, 8) || !InRange(corner, 0, 16))
        return false;
    skin.metrics = {caption, frame, corner};
    return true;
}

bool ReadFrame(Cursor& in, Skin& skin, size_t state)
{
    FrameLook& frame = state == 0 ? skin.active : skin.inactive;
    return ReadFill(in, frame.caption) && ReadColour(in, frame.border) && ReadColour(in, frame.title);
}

template <auto Boxes>
bool ReadBoxState(Cursor& in, Skin& skin, size_t state)
{
    return ReadBox(in, (skin.*Boxes)[state]);
}

bool ReadBackground(Cursor& in, Skin& skin, size_t state)
{
    return ReadFill(in, state == 0 ? skin.windowBackground : skin.dialogBackground);
}

bool ReadEdit(Cursor& in, Skin& skin, size_t)
{
    EditLook& edit = skin.edit;
    for (COLORREF& border : edit.border)
        if (!ReadColour(in, border))
            return false;
    return ReadColour(in, edit.text) && ReadColour(in, edit.background) && ReadColour(in, edit.disabledText) &&
           ReadColour(in, edit.disabledBackground);
}

bool ReadLabel(Cursor& in, Skin& skin, size_t)
{
    return ReadColour(in, skin.labelText) && ReadColour(in, skin.labelDisabledText);
}

// The parts in tag order: the tag of a record is its part's number times 256 plus its state.
struct Part {
    uint8_t number;
    uint8_t states;
    RecordReader read;
};

constexpr uint8_t kCaptionButtonStates = uint8_t(CaptionButtonState::Count);
constexpr Part kParts[] = {
    {0x01, 1, ReadName},
    {0x02, 1, ReadMetrics},
    {0x03, 2, ReadFrame},
    {0x04, kCaptionButtonStates, ReadBoxState<&Skin::closeButton>},
    {0x05, kCaptionButtonStates, ReadBoxState<&Skin::minimizeButton>},
    {0x06, kCaptionButtonStates, ReadBoxState<&Skin::maximizeButton>},
    {0x07, 2, ReadBackground},
    {0x08, uint8_t(PushButtonState::Count), ReadBoxState<&Skin::pushButton>},
    {0x09, 1, ReadEdit},
    {0x0A, 1, ReadLabel},
};

constexpr size_t RecordCount()
{
    size_t count = 0;
    for (const Part& part : kParts)
        count += part.states;
    return count;
}

bool ReadHeader(Cursor& in, size_t length)
{
    const uint8_t* signature;
    uint16_t version, count;
    uint32_t total;
    return in.Take(sizeof kSignature, signature) && std::memcmp(signature, kSignature, sizeof kSignature) == 0 &&
           in.U16(version) && version == kVersion && in.U16(count) && count == RecordCount() && in.U32(total) &&
           total == length;
}

// The records' payloads lie back to back after the directory: each must start exactly where
// the one before ended, and the last must end where the skin does.
class Payloads {
public:
    Payloads(const uint8_t* skin, size_t length, size_t first) : skin_(skin), length_(length), next_(first) {}

    bool Next(uint32_t offset, uint16_t length, Cursor& payload)
    {
        if (offset != next_ || length > length_ - next_)
            return false;
        payload = Cursor(skin_ + next_, length);
        next_ += length;
        return true;
    }
    bool AllTaken() const { return next_ == length_; }

private:
    const uint8_t* skin_;
    size_t length_;
    size_t next_;  // never beyond length_
};

// Reads the next directory entry, which must carry `tag`, and its payload into the skin.
bool ReadRecord(Cursor& directory, Payloads& payloads, uint16_t tag, const Part& part, size_t state, Skin& skin)
{
    uint16_t entryTag, length;
    uint32_t offset;
    Cursor payload(nullptr, 0);
    if (!directory.U16(entryTag) || !directory.U16(length) || !directory.U32(offset) || entryTag != tag ||
        !payloads.Next(offset, length, payload))
        return false;
    return part.read(payload, skin, state) && payload.AtEnd();
}

}  // namespace

std::optional<Skin> ReadSkin(const void* bytes, size_t length)
{
    const size_t payloadsStart = kHeaderSize + RecordCount() * kEntrySize;
    if (bytes == nullptr || length < payloadsStart)
        return std::nullopt;
    const auto* skinBytes = static_cast<const uint8_t*>(bytes);
    Cursor directory(skinBytes, length);  // the header first, then the directory after it
    if (!ReadHeader(directory, length))
        return std::nullopt;
    Payloads payloads(skinBytes, length, payloadsStart);
    Skin skin;
    for (const Part& part : kParts)
        for (size_t state = 0; state < part.states; ++state)
            if (!ReadRecord(directory, payloads, uint16_t(part.number << 8 | state), part, state, skin))
                return std::nullopt;
    if (!payloads.AllTaken())
        return std::nullopt;
    return skin;
}

}  // namespace veneer
