// The command line that opens an address with the program registered for ".htm" files, for
// when the shell cannot open the address itself.
#pragma once
#include <string>

// `registered` cut before its first "%1" (before the opening quotation mark when the "%1" is
// quoted), then one space and `address`.
std::string BrowserCommandLine(const std::string& registered, const std::string& address);
