#include "veneer.h"

extern "C" VENEER_API int32_t __stdcall Veneer_AttachSkin(const void*, uint32_t, const char*, int32_t, int32_t, int32_t)
{
    return 0;
}
