// Any bytes at all go to the skin reader. Beyond not crashing, reading past the input or
// hanging (the sanitizers and libFuzzer's timeout catch those), a skin it accepts must keep
// the promises the painters rely on, and must be the one encoding of what the reader built:
// written out again, it gives back the input byte for byte. So no field is lost, read twice
// or read into the wrong place, and nothing the format forbids slips through.
#include "skin_reader.h"
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

bool KeepsItsPromises(const veneer::Skin& skin)
{
    const veneer::Metrics& m = skin.metrics;
    if (!InRange(m.captionHeight, 16, 48) || !InRange(m.frameWidth, 1, 8) || !InRange(m.cornerRadius, 0, 16))
        return false;
    const size_t length = strnlen(skin.name, sizeof skin.name);
    if (length == 0 || length == sizeof skin.name)
        return false;  // empty, or not terminated
    for (size_t i = 0; i < length; ++i)
        if (!InRange(skin.name[i], 0x20, 0x7E))
            return false;
    return true;
}

void Put(Bytes& out, COLORREF c)
{
    out.insert(out.end(), {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16)});
}

void Put(Bytes& out, const veneer::Fill& fill)
{
    out.push_back(uint8_t(fill.kind));
    Put(out, fill.from);
    if (fill.kind != veneer::Fill::Kind::Solid)
        Put(out, fill.to);
}

void Put(Bytes& out, const veneer::BoxLook& box)
{
    Put(out, box.fill);
    Put(out, box.border);
    Put(out, box.text);
}

template <typename Looks>
void PutEach(std::vector<Bytes>& records, const Looks& looks)
{
    for (const auto& look : looks) {
        records.emplace_back();
        Put(records.back(), look);
    }
}

// The payloads in tag order, as FORMAT.md lays them out.
std::vector<Bytes> Payloads(const veneer::Skin& s)
{
    std::vector<Bytes> records(2);
    records[0].assign(s.name, s.name + strlen(s.name) + 1);
    records[1] = {uint8_t(s.metrics.captionHeight), uint8_t(s.metrics.frameWidth), uint8_t(s.metrics.cornerRadius)};
    for (const veneer::FrameLook* frame : {&s.active, &s.inactive}) {
        records.emplace_back();
        Put(records.back(), frame->caption);
        Put(records.back(), frame->border);
        Put(records.back(), frame->title);
    }
    PutEach(records, s.closeButton);
    PutEach(records, s.minimizeButton);
    PutEach(records, s.maximizeButton);
    PutEach(records, std::vector<veneer::Fill>{s.windowBackground, s.dialogBackground});
    PutEach(records, s.pushButton);
    Bytes edit;
    for (COLORREF c : s.edit.border)
        Put(edit, c);
    for (COLORREF c : {s.edit.text, s.edit.background, s.edit.disabledText, s.edit.disabledBackground})
        Put(edit, c);
    records.push_back(edit);
    records.emplace_back();
    Put(records.back(), s.labelText);
    Put(records.back(), s.labelDisabledText);
    return records;
}

void PutLittleEndian(Bytes& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(uint8_t(value >> (8 * i)));
}

Bytes Encode(const veneer::Skin& skin)
{
    static const uint8_t kPartStates[][2] = {{1, 1}, {2, 1}, {3, 2}, {4, 5}, {5, 5}, {6, 5}, {7, 2}, {8, 6}, {9, 1}, {10, 1}};
    const std::vector<Bytes> payloads = Payloads(skin);
    Bytes out = {'V', 'N', 'S', 'K'};
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, uint32_t(payloads.size()), 2);
    size_t total = 12 + 8 * payloads.size();
    for (const Bytes& p : payloads)
        total += p.size();
    PutLittleEndian(out, uint32_t(total), 4);
    size_t record = 0, offset = 12 + 8 * payloads.size();
    for (const auto& part : kPartStates)
        for (uint8_t state = 0; state < part[1]; ++state, ++record) {
            PutLittleEndian(out, uint32_t(part[0] << 8 | state), 2);
            PutLittleEndian(out, uint32_t(payloads[record].size()), 2);
            PutLittleEndian(out, uint32_t(offset), 4);
            offset += payloads[record].size();
        }
    for (const Bytes& p : payloads)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

bool SolidFillsRepeatTheirColour(const veneer::Skin& s)
{
    auto same = [](const veneer::Fill& f) { return f.kind != veneer::Fill::Kind::Solid || f.to == f.from; };
    bool all = same(s.active.caption) && same(s.inactive.caption) && same(s.windowBackground) && same(s.dialogBackground);
    for (const auto* boxes : {&s.closeButton, &s.minimizeButton, &s.maximizeButton})
        for (const veneer::BoxLook& box : *boxes)
            all = all && same(box.fill);
    for (const veneer::BoxLook& box : s.pushButton)
        all = all && same(box.fill);
    return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::optional<veneer::Skin> skin = veneer::ReadSkin(data, size);
    if (!skin)
        return 0;
    if (!KeepsItsPromises(*skin) || !SolidFillsRepeatTheirColour(*skin))
        std::abort();
    const Bytes again = Encode(*skin);
    if (again.size() != size || std::memcmp(again.data(), data, size) != 0)
        std::abort();
    return 0;
}
