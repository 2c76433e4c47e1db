// Skins as the tests handle them: the built-in ones the build compiled, split into their
// records and joined again, so a test can change one record and get a skin laid out anew.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace veneer_test {

using Bytes = std::vector<uint8_t>;

struct Record {
    uint16_t tag;
    Bytes payload;
};

Bytes ReadFileBytes(const std::string& path);
// The compiled built-in skin of that number (1 to 33), and its file's name without extension.
Bytes BuiltInSkin(int number);
std::string BuiltInSkinStem(int number);

// Splits a well-formed skin into its records, in directory order.
std::vector<Record> SplitSkin(const Bytes& skin);
// Lays records out as a well-formed skin would be: header, directory, payloads back to back.
Bytes JoinSkin(const std::vector<Record>& records);
// The skin with the payload of the record `tag` replaced (and everything after it moved).
Bytes WithPayload(const Bytes& skin, uint16_t tag, Bytes payload);

void PutU16(Bytes& bytes, size_t at, uint16_t value);
void PutU32(Bytes& bytes, size_t at, uint32_t value);

constexpr size_t kHeaderSize = 12;
constexpr size_t kEntrySize = 8;
constexpr size_t kRecordCount = 29;

}  // namespace veneer_test
