/* The program's built-in byte sets, each a 32-bit 1, a 32-bit length and the bytes of a file
   that the build has just made (its paths come in as VELDRANE_ENGINE_FILE and
   VELDRANE_SKIN_CATALOGUE_FILE). They sit in read-only data; C++ reaches them through
   built_in_byte_sets.h. */

/* C names carry the target's label prefix (an underscore on i686, none on x86-64). */
#define GLUE_(a, b) a##b
#define GLUE(a, b) GLUE_(a, b)
#define C_NAME(name) GLUE(__USER_LABEL_PREFIX__, name)

#define BYTE_SET(name, file) \
    .globl C_NAME(name);     \
    .balign 4;               \
    C_NAME(name):            \
    .long 1;                 \
    .long 2f - 1f;           \
    1: .incbin file;         \
    2:

    .section .rdata, "dr"
    BYTE_SET(veldrane_engine_payload, VELDRANE_ENGINE_FILE)
    BYTE_SET(veldrane_skin_catalogue, VELDRANE_SKIN_CATALOGUE_FILE)
