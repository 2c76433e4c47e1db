// The drive roots the Generate and Restore cases type into 编辑框2, each made real for the
// case: a folder, a mapped drive letter, a missing folder, one nobody may write, a full disk;
// with or without a Desktop.ini already in it.
#pragma once
#include <memory>
#include <string>

#include "driver/files.h"

namespace e2e {

enum class Root {
    Folder,             // a scratch folder, typed as its path
    DriveWithBackslash, // a drive letter mapped to a scratch folder, typed as "X:\"
    DriveAlone,         // the same, typed as "X:"
    Missing,            // a folder that does not exist
    WriteProtected,     // a folder that the Wine user cannot write
    FullDisk,           // a folder on a disk with not one byte free
    Empty,              // nothing typed
};

enum class Existing {
    None,
    Plain,     // a Desktop.ini of somebody else's, no attributes
    ReadOnly,  // the same, read-only
    Hidden,    // the same, hidden (as Generate leaves its own)
};

constexpr const char* kForeignDesktopIni = "[.ShellClassInfo]\r\nIconResource=folder.ico,0\r\n";

class PreparedRoot {
public:
    PreparedRoot(Root root, Existing existing);
    ~PreparedRoot();

    const std::string& typed() const { return typed_; }    // the text for 编辑框2
    const std::string& folder() const { return folder_; }  // where Desktop.ini belongs
    std::string desktopIni() const { return folder_ + "\\Desktop.ini"; }
    // False for a write-protected folder when the tests run with privileges that ignore it.
    bool realistic() const { return !protection_ || protection_->effective(); }

private:
    std::unique_ptr<ScratchDir> scratch_;
    std::unique_ptr<DriveLetter> drive_;
    std::unique_ptr<FullDisk> fullDisk_;
    std::unique_ptr<WriteProtection> protection_;  // last: given back before the folder goes
    std::string folder_;
    std::string typed_;
};

}  // namespace e2e
