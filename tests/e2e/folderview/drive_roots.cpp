#include "drive_roots.h"

namespace e2e {
namespace {

DWORD AttributesOf(Existing existing)
{
    switch (existing) {
    case Existing::ReadOnly: return FILE_ATTRIBUTE_READONLY;
    case Existing::Hidden: return FILE_ATTRIBUTE_HIDDEN;
    default: return FILE_ATTRIBUTE_NORMAL;
    }
}

}  // namespace

PreparedRoot::PreparedRoot(Root root, Existing existing)
{
    if (root == Root::FullDisk) {
        fullDisk_ = std::make_unique<FullDisk>();
        folder_ = typed_ = fullDisk_->dir();
        // The disk is full already: an existing file cannot be made here.
        return;
    }
    scratch_ = std::make_unique<ScratchDir>("root");
    folder_ = scratch_->path();
    typed_ = folder_;
    if (existing != Existing::None) {
        WriteBytes(desktopIni(), kForeignDesktopIni);
        SetAttributes(desktopIni(), AttributesOf(existing));
    }
    switch (root) {
    case Root::DriveWithBackslash:
    case Root::DriveAlone:
        drive_ = std::make_unique<DriveLetter>(folder_);
        typed_ = drive_->root() + (root == Root::DriveWithBackslash ? "\\" : "");
        break;
    case Root::Missing:
        folder_ = typed_ = scratch_->path() + "\\no such folder";
        break;
    case Root::WriteProtected:
        protection_ = std::make_unique<WriteProtection>(folder_);
        break;
    case Root::Empty:
        typed_.clear();
        break;
    default:
        break;
    }
}

PreparedRoot::~PreparedRoot() = default;

}  // namespace e2e
