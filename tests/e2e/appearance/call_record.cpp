#include "call_record.h"

#include <fstream>
#include <sstream>

#include "appearance/byte_set.h"
#include "driver/files.h"
#include "driver/wait.h"

namespace {

// The text after "key=" in a line of space-separated fields; "" when the key is missing.
std::string Field(const std::string& line, const std::string& key)
{
    std::istringstream fields(line);
    std::string field;
    while (fields >> field) {
        if (field.compare(0, key.size() + 1, key + "=") == 0)
            return field.substr(key.size() + 1);
    }
    return {};
}

std::vector<uint64_t> Numbers(const std::string& list, int base)
{
    std::vector<uint64_t> numbers;
    std::istringstream items(list);
    std::string item;
    while (std::getline(items, item, ','))
        numbers.push_back(std::stoull(item, nullptr, base));
    return numbers;
}

AttachCall ParseAttach(const std::string& line)
{
    AttachCall call;
    call.skin = Field(line, "skin");
    call.length = static_cast<uint32_t>(std::stoul(Field(line, "length")));
    call.digest = std::stoull(Field(line, "digest"), nullptr, 16);
    call.options = Field(line, "options");
    const std::vector<uint64_t> reserved = Numbers(Field(line, "reserved"), 10);
    for (size_t i = 0; i < 3 && i < reserved.size(); ++i)
        call.reserved[i] = static_cast<int32_t>(reserved[i]);
    return call;
}

DetachEvent ParseDetach(const std::string& line)
{
    DetachEvent event;
    event.by = Field(line, "by");
    for (uint64_t window : Numbers(Field(line, "windows"), 16))
        event.windows.push_back(static_cast<uintptr_t>(window));
    return event;
}

}  // namespace

CallRecord ReadCallRecord(const std::string& path)
{
    CallRecord record;
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        if (line.rfind("attach ", 0) == 0)
            record.attaches.push_back(ParseAttach(line));
        else if (line.rfind("detach ", 0) == 0)
            record.detaches.push_back(ParseDetach(line));
    }
    return record;
}

SkinFingerprint CompiledSkin(const std::string& cataloguePath, int32_t number)
{
    const std::string catalogue = e2e::ReadBytes(cataloguePath);
    const ByteSpan skin = SelectSkin(
        { reinterpret_cast<const unsigned char*>(catalogue.data()), static_cast<uint32_t>(catalogue.size()) }, number);
    if (!skin.data)
        throw e2e::DriverError("the compiled catalogue has no skin " + std::to_string(number));
    return { skin.size, DigestOf(skin.data, skin.size) };
}
