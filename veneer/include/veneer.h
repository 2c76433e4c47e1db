/* Veneer: a skin engine for plain Win32 programs.
 *
 * One call dresses every window of the calling thread, those that exist now and all that the
 * thread creates later, with a skin in Veneer's own format (see FORMAT.md beside the engine).
 */
#ifndef VENEER_H
#define VENEER_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#ifdef VENEER_BUILDING
#define VENEER_API __declspec(dllexport)
#else
#define VENEER_API __declspec(dllimport)
#endif

/* Attaches a skin to the calling thread.
 *
 *   skin, length  the skin's bytes. The engine checks all of them before it changes anything,
 *                 and copies what it keeps: the caller may free the buffer once the call returns.
 *   options       reserved: pass the empty text "" (a null pointer counts as empty).
 *   reserved1..3  reserved: pass 0.
 *
 * Returns 1 when the skin was accepted and the thread's windows are dressed with it, 0 when
 * the skin was refused (null, empty, malformed or of an unknown version, or non-zero reserved
 * arguments); after a refusal every window stays exactly as it was. Attaching a second skin
 * replaces the first.
 */
VENEER_API int32_t __stdcall Veneer_AttachSkin(const void* skin, uint32_t length, const char* options,
                                               int32_t reserved1, int32_t reserved2, int32_t reserved3);

typedef int32_t(__stdcall* Veneer_AttachSkinFn)(const void*, uint32_t, const char*, int32_t, int32_t, int32_t);

#ifdef __cplusplus
}
#endif

#endif
