// One owner for each kernel handle the driver opens.
#pragma once
#include <windows.h>
#include <memory>

namespace e2e {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

// CreateFile reports failure as INVALID_HANDLE_VALUE, most other calls as null: both own nothing.
inline UniqueHandle OwnHandle(HANDLE handle)
{
    return UniqueHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

}  // namespace e2e
