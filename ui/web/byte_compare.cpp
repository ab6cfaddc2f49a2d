// The page's engine links this memcmp instead of the C library's byte loop
// (byte_compare.h says why). Compiled with -fno-builtin, so that the compiler
// cannot turn the loop back into a call to memcmp itself.
#include "ui/web/byte_compare.h"

extern "C" int memcmp(const void* left, const void* right, std::size_t count)
{
    return web::compareBytes(left, right, count);
}
