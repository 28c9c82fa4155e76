/* Counts the frames a process really puts on the X screen. Preloaded (LD_PRELOAD) into the
 * saver's Wine process or into its peer, it sees every image Mesa's software GL sends to the
 * X server: the saver's GLX presents with XShmPutImage (or XPutImage), an EGL program with
 * xcb_put_image, one whole frame per call. A call from Mesa's GL libraries that starts at the
 * top left corner of its drawable adds one to a 64-bit counter kept in the file named by
 * VG_FRAME_COUNTER (8 bytes, made by the caller), which the benchmark reads while the process
 * runs. Other images (window icons, cursors) come from elsewhere and are not counted.
 * Built for the host, not for Windows: it lives in the Linux side of a Wine process. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <unistd.h>

/* The X types these calls take, opaque here, so that no X headers are needed to build it. */
typedef int Bool;
typedef unsigned long Drawable;
typedef struct Display Display;
typedef struct GCRecord* GC;
typedef struct XImage XImage;
typedef struct xcb_connection_t xcb_connection_t;
typedef struct {
    unsigned int sequence;
} xcb_void_cookie_t;

static uint64_t* counter;

static uint64_t* Counter(void) {
    if (counter) return counter;
    const char* path = getenv("VG_FRAME_COUNTER");
    const int file = path ? open(path, O_RDWR) : -1;
    if (file < 0) return NULL;
    void* mapped = mmap(NULL, sizeof *counter, PROT_READ | PROT_WRITE, MAP_SHARED, file, 0);
    close(file);
    if (mapped != MAP_FAILED) counter = mapped;
    return counter;
}

static int FromMesa(const void* caller) {
    Dl_info info;
    if (!dladdr(caller, &info) || !info.dli_fname) return 0;
    return strstr(info.dli_fname, "libGLX_mesa") || strstr(info.dli_fname, "libEGL_mesa");
}

static void CountFrame(const void* caller, int x, int y) {
    if (x != 0 || y != 0 || !FromMesa(caller)) return;
    uint64_t* frames = Counter();
    if (frames) __atomic_add_fetch(frames, 1, __ATOMIC_RELAXED);
}

Bool XShmPutImage(Display* display, Drawable drawable, GC gc, XImage* image, int sourceX, int sourceY,
                  int x, int y, unsigned int width, unsigned int height, Bool sendEvent) {
    static Bool (*next)(Display*, Drawable, GC, XImage*, int, int, int, int, unsigned int, unsigned int, Bool);
    if (!next) next = dlsym(RTLD_NEXT, "XShmPutImage");
    CountFrame(__builtin_return_address(0), x, y);
    return next(display, drawable, gc, image, sourceX, sourceY, x, y, width, height, sendEvent);
}

int XPutImage(Display* display, Drawable drawable, GC gc, XImage* image, int sourceX, int sourceY, int x,
              int y, unsigned int width, unsigned int height) {
    static int (*next)(Display*, Drawable, GC, XImage*, int, int, int, int, unsigned int, unsigned int);
    if (!next) next = dlsym(RTLD_NEXT, "XPutImage");
    CountFrame(__builtin_return_address(0), x, y);
    return next(display, drawable, gc, image, sourceX, sourceY, x, y, width, height);
}

xcb_void_cookie_t xcb_put_image(xcb_connection_t* connection, uint8_t format, uint32_t drawable, uint32_t gc,
                                uint16_t width, uint16_t height, int16_t x, int16_t y, uint8_t leftPad,
                                uint8_t depth, uint32_t length, const uint8_t* data) {
    static xcb_void_cookie_t (*next)(xcb_connection_t*, uint8_t, uint32_t, uint32_t, uint16_t, uint16_t, int16_t,
                                     int16_t, uint8_t, uint8_t, uint32_t, const uint8_t*);
    if (!next) next = dlsym(RTLD_NEXT, "xcb_put_image");
    CountFrame(__builtin_return_address(0), x, y);
    return next(connection, format, drawable, gc, width, height, x, y, leftPad, depth, length, data);
}
