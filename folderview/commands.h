// The two commands of the main window: click handlers of 按钮1 and 按钮2.
#pragma once
#include <string>

void Generate();
void Restore();

// The file operation of Generate: creates the folder view file at `path`, writes its seven
// lines and hides it. A refused create touches nothing; a write that fails part way removes
// the partial file. True only when all seven lines reached the file.
bool WriteFolderViewFile(const std::string& path, const std::string& picturePath);
