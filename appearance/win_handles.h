// Owners for the Windows handles of this subsystem (each closes its handle exactly once), and
// the one write both of the program's files go through.
#pragma once
#include <windows.h>

template <BOOL(WINAPI* Close)(HANDLE)>
class OwnedHandle {
public:
    explicit OwnedHandle(HANDLE handle) : handle_(handle) {}
    ~OwnedHandle() { reset(); }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    void reset()
    {
        if (valid())
            Close(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_;
};

using FileHandle = OwnedHandle<CloseHandle>;
using FindHandle = OwnedHandle<FindClose>;

// One WriteFile of `size` bytes; true when all of them reached the file.
inline bool WriteAll(HANDLE file, const void* data, DWORD size)
{
    DWORD written = 0;
    return WriteFile(file, data, size, &written, nullptr) && written == size;
}
