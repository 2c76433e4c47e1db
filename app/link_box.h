// 超级链接框1: a self-drawn link that opens its caption, a web address, in the browser.
#pragma once
#include <windows.h>

// The address the link box shows and opens; short enough to fit the box in one line.
inline constexpr char kLinkAddress[] = "https://example.com";

inline constexpr char kLinkBoxClass[] = "VeldraneLinkBox";

bool RegisterLinkBoxClass(HINSTANCE instance);
