// Emscripten's C library has no mount(): the tests that mount a small or read-only disk find none
// in the browser build, as in a container without the right to mount, and say so.
#include <cerrno>

extern "C" int mount(const char*, const char*, const char*, unsigned long, const void*) {
    errno = ENOSYS;
    return -1;
}

extern "C" int umount2(const char*, int) {
    errno = ENOSYS;
    return -1;
}
