// The system's folder browser, modal to every window of the program, and the click handler
// of 按钮3 that fills 编辑框2 from it.
#pragma once
#include <string>

// The file-system path of the chosen item, or "" when nothing usable was chosen.
std::string BrowseForFolder(const char* title, bool includeFiles = false);

void OnDriveRootButton();
