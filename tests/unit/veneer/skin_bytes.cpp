#include "skin_bytes.h"
#include <windows.h>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>

namespace veneer_test {
namespace {

uint16_t GetU16(const Bytes& bytes, size_t at) { return uint16_t(bytes.at(at) | bytes.at(at + 1) << 8); }

uint32_t GetU32(const Bytes& bytes, size_t at) { return GetU16(bytes, at) | uint32_t(GetU16(bytes, at + 2)) << 16; }

struct FindCloser {
    void operator()(HANDLE find) const { FindClose(find); }
};

}  // namespace

Bytes ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open " + path);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string BuiltInSkinStem(int number)
{
    char pattern[MAX_PATH];
    wsprintfA(pattern, "%s/%02d-*.vnsk", VENEER_TEST_SKINS_DIR, number);
    WIN32_FIND_DATAA found = {};
    std::unique_ptr<void, FindCloser> find(FindFirstFileA(pattern, &found));
    if (find.get() == INVALID_HANDLE_VALUE) {
        find.release();
        throw std::runtime_error(std::string("no compiled skin ") + pattern);
    }
    const std::string name = found.cFileName;
    return name.substr(0, name.size() - std::string(".vnsk").size());
}

Bytes BuiltInSkin(int number)
{
    return ReadFileBytes(std::string(VENEER_TEST_SKINS_DIR) + "/" + BuiltInSkinStem(number) + ".vnsk");
}

std::vector<Record> SplitSkin(const Bytes& skin)
{
    std::vector<Record> records;
    for (size_t i = 0; i < GetU16(skin, 6); ++i) {
        const size_t entry = kHeaderSize + i * kEntrySize;
        const auto offset = std::ptrdiff_t(GetU32(skin, entry + 4));
        const auto length = std::ptrdiff_t(GetU16(skin, entry + 2));
        records.push_back({GetU16(skin, entry), Bytes(skin.begin() + offset, skin.begin() + offset + length)});
    }
    return records;
}

Bytes JoinSkin(const std::vector<Record>& records)
{
    Bytes skin = {'V', 'N', 'S', 'K', 1, 0, 0, 0, 0, 0, 0, 0};
    PutU16(skin, 6, uint16_t(records.size()));
    size_t offset = kHeaderSize + records.size() * kEntrySize;
    for (const Record& record : records) {
        skin.resize(skin.size() + kEntrySize);
        PutU16(skin, skin.size() - 8, record.tag);
        PutU16(skin, skin.size() - 6, uint16_t(record.payload.size()));
        PutU32(skin, skin.size() - 4, uint32_t(offset));
        offset += record.payload.size();
    }
    for (const Record& record : records)
        skin.insert(skin.end(), record.payload.begin(), record.payload.end());
    PutU32(skin, 8, uint32_t(skin.size()));
    return skin;
}

Bytes WithPayload(const Bytes& skin, uint16_t tag, Bytes payload)
{
    std::vector<Record> records = SplitSkin(skin);
    for (Record& record : records)
        if (record.tag == tag)
            record.payload = std::move(payload);
    return JoinSkin(records);
}

void PutU16(Bytes& bytes, size_t at, uint16_t value)
{
    bytes.at(at) = uint8_t(value);
    bytes.at(at + 1) = uint8_t(value >> 8);
}

void PutU32(Bytes& bytes, size_t at, uint32_t value)
{
    PutU16(bytes, at, uint16_t(value));
    PutU16(bytes, at + 2, uint16_t(value >> 16));
}

}  // namespace veneer_test
