// The program throws nothing, and nothing in it catches. The points where the standard library
// would throw (a text longer than the library can hold, say) end the program through the fatal
// error report instead. Defining the whole set here keeps the library's throwing versions, and
// its verbose terminate handler with a demangler and printf behind it, out of the executable.
#include "app/app_state.h"

namespace {

[[noreturn]] void Fail(const char* what) { ReportFatalErrorText(what); }

}  // namespace

namespace __gnu_cxx {
void __verbose_terminate_handler() { Fail("terminate"); }
}  // namespace __gnu_cxx

namespace std {
void __throw_bad_alloc() { Fail("bad_alloc"); }
void __throw_bad_array_new_length() { Fail("bad_array_new_length"); }
void __throw_bad_cast() { Fail("bad_cast"); }
void __throw_bad_exception() { Fail("bad_exception"); }
void __throw_bad_typeid() { Fail("bad_typeid"); }
void __throw_domain_error(const char* what) { Fail(what); }
void __throw_invalid_argument(const char* what) { Fail(what); }
void __throw_length_error(const char* what) { Fail(what); }
void __throw_logic_error(const char* what) { Fail(what); }
void __throw_out_of_range(const char* what) { Fail(what); }
void __throw_out_of_range_fmt(const char* format, ...) { Fail(format); }
void __throw_overflow_error(const char* what) { Fail(what); }
void __throw_range_error(const char* what) { Fail(what); }
void __throw_runtime_error(const char* what) { Fail(what); }
void __throw_underflow_error(const char* what) { Fail(what); }
}  // namespace std
