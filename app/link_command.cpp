#include "app/link_command.h"

std::string BrowserCommandLine(const std::string& registered, const std::string& address)
{
    std::string::size_type cut = registered.find("%1");
    if (cut == std::string::npos) {
        cut = registered.size();
    } else if (cut > 0 && registered[cut - 1] == '"') {
        --cut;
    }
    return registered.substr(0, cut) + ' ' + address;
}
