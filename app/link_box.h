// 超级链接框1: a self-drawn link that opens its caption, a web address, in the browser.
#pragma once
#include <windows.h>

// The address the link box shows and opens.
inline constexpr char kLinkAddress[] = "https://www.example.com/veldrane";

inline constexpr char kLinkBoxClass[] = "VeldraneLinkBox";

bool RegisterLinkBoxClass(HINSTANCE instance);
