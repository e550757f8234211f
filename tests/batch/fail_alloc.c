/* Makes every allocation above $VX11_FAIL_ALLOCATIONS_ABOVE bytes fail, for the fault tests that
   run wvx11 under LD_PRELOAD: the program's own allocations go through malloc of the C library. */
#define _GNU_SOURCE
#include <errno.h>
#include <stdlib.h>

extern void* __libc_malloc(size_t size);

void* malloc(size_t size) {
  const char* limit = getenv("VX11_FAIL_ALLOCATIONS_ABOVE");
  if (limit != NULL && size > strtoull(limit, NULL, 10)) {
    errno = ENOMEM;
    return NULL;
  }
  return __libc_malloc(size);
}
