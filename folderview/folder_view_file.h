// The folder view file Desktop.ini: where it stands and what it holds.
#pragma once
#include <array>
#include <string>

// The drive root joined directly with "\Desktop.ini"; the root is not examined.
std::string FolderViewFilePath(const std::string& driveRoot);

// The file's seven lines, each ending in CR LF; the fifth names the picture, byte for byte.
std::array<std::string, 7> FolderViewFileLines(const std::string& picturePath);
