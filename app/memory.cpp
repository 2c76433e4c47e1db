// Every allocation of the program goes through here, so that one that cannot be had ends the
// program through the fatal error report, naming the size that was asked for.
#include "app/app_state.h"
#include "app/fatal_error_text.h"
#include <cstdlib>
#include <new>

namespace {

void* Allocate(std::size_t bytes)
{
    // malloc may answer a request for nothing with a null pointer; new must not.
    if (void* block = std::malloc(bytes ? bytes : 1)) return block;
    ReportFatalErrorText(AllocationFailureMessage(bytes).c_str());
}

}  // namespace

void* operator new(std::size_t bytes) { return Allocate(bytes); }
void* operator new[](std::size_t bytes) { return Allocate(bytes); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
