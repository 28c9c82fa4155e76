/* Counts the frames a process really puts on the X screen. Preloaded (LD_PRELOAD) into the
 * saver's Wine process or into its peer, it sees every image Mesa's software GL sends to the
 * X server: the saver's GLX presents with XShmPutImage (or XPutImage), an EGL program with
 * xcb_put_image, one whole frame per call. A call from Mesa's GL libraries that starts at the
 * top left corner of its drawable adds one to a 64-bit counter kept in the file named by
 * VG_FRAME_COUNTER (made by the caller), which the benchmark reads while the process runs.
 * Other images (window icons, cursors) come from elsewhere and are not counted.
 * A file of FRAME_LOG_BYTES also gets, for each of the first FRAME_LOG_COUNT frames, when it
 * went to the X server (CLOCK_REALTIME, in nanoseconds, as `date +%s%N` tells it) and whether
 * any pixel of it is not black: the start-up benchmark reads when the first picture appeared.
 * Built for the host, not for Windows: it lives in the Linux side of a Wine process. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

/* The X types these calls take, opaque here, so that no X headers are needed to build it. */
typedef int Bool;
typedef unsigned long Drawable;
typedef struct Display Display;
typedef struct GCRecord* GC;
typedef struct xcb_connection_t xcb_connection_t;
typedef struct {
    unsigned int sequence;
} xcb_void_cookie_t;
/* The leading fields of Xlib's XImage, in their order: all that is read of an image. */
typedef struct XImage {
    int width, height, xoffset, format;
    char* data;
    int byteOrder, bitmapUnit, bitmapBitOrder, bitmapPad, depth, bytesPerLine, bitsPerPixel;
} XImage;

enum { FRAME_LOG_COUNT = 16 };
typedef struct {
    uint64_t nanoseconds;
    uint64_t lit;
} FrameEntry;
typedef struct {
    uint64_t frames;
    FrameEntry first[FRAME_LOG_COUNT];
} FrameLog;
#define FRAME_LOG_BYTES sizeof(FrameLog)

static uint64_t* counter;
static FrameLog* frameLog;

static uint64_t* Counter(void) {
    if (counter) return counter;
    const char* path = getenv("VG_FRAME_COUNTER");
    const int file = path ? open(path, O_RDWR) : -1;
    if (file < 0) return NULL;
    struct stat status;
    const size_t bytes = fstat(file, &status) == 0 && (size_t)status.st_size >= FRAME_LOG_BYTES
                             ? FRAME_LOG_BYTES : sizeof *counter;
    void* mapped = mmap(NULL, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, file, 0);
    close(file);
    if (mapped == MAP_FAILED) return NULL;
    counter = mapped;
    if (bytes == FRAME_LOG_BYTES) frameLog = mapped;
    return counter;
}

static int FromMesa(const void* caller) {
    Dl_info info;
    if (!dladdr(caller, &info) || !info.dli_fname) return 0;
    return strstr(info.dli_fname, "libGLX_mesa") || strstr(info.dli_fname, "libEGL_mesa");
}

/* Whether a 32-bit image holds a pixel that is not black, looked at on a grid of samples. */
static int AnyLit(const uint8_t* data, int stride, int width, int height) {
    if (!data || width <= 0 || height <= 0) return 0;
    for (int row = 0; row < 64; ++row) {
        const uint8_t* line = data + (size_t)(row * (height - 1) / 63) * (size_t)stride;
        for (int column = 0; column < 64; ++column) {
            uint32_t pixel;
            memcpy(&pixel, line + (size_t)(column * (width - 1) / 63) * 4, sizeof pixel);
            if (pixel & 0xFFFFFFu) return 1;
        }
    }
    return 0;
}

/* One image from Mesa: a new frame when it starts at the top left corner (a frame may come in
 * strips); a frame is lit when any of its strips is. */
static void CountImage(const void* caller, int x, int y, const uint8_t* data, int stride, int width, int height) {
    if (!FromMesa(caller)) return;
    uint64_t* frames = Counter();
    if (!frames) return;
    uint64_t frame;
    if (x == 0 && y == 0) {
        frame = __atomic_add_fetch(frames, 1, __ATOMIC_RELAXED);
        if (frameLog && frame <= FRAME_LOG_COUNT) {
            struct timespec now;
            clock_gettime(CLOCK_REALTIME, &now);
            frameLog->first[frame - 1].nanoseconds = (uint64_t)now.tv_sec * 1000000000u + (uint64_t)now.tv_nsec;
        }
    } else {
        frame = __atomic_load_n(frames, __ATOMIC_RELAXED);
    }
    if (frameLog && frame >= 1 && frame <= FRAME_LOG_COUNT && !frameLog->first[frame - 1].lit)
        frameLog->first[frame - 1].lit = (uint64_t)AnyLit(data, stride, width, height);
}

static const uint8_t* ImageOrigin(const XImage* image, int sourceX, int sourceY) {
    if (!image || !image->data || image->bitsPerPixel != 32) return NULL;
    return (const uint8_t*)image->data + (size_t)sourceY * (size_t)image->bytesPerLine + (size_t)sourceX * 4;
}

Bool XShmPutImage(Display* display, Drawable drawable, GC gc, XImage* image, int sourceX, int sourceY,
                  int x, int y, unsigned int width, unsigned int height, Bool sendEvent) {
    static Bool (*next)(Display*, Drawable, GC, XImage*, int, int, int, int, unsigned int, unsigned int, Bool);
    if (!next) next = dlsym(RTLD_NEXT, "XShmPutImage");
    CountImage(__builtin_return_address(0), x, y, ImageOrigin(image, sourceX, sourceY),
               image ? image->bytesPerLine : 0, (int)width, (int)height);
    return next(display, drawable, gc, image, sourceX, sourceY, x, y, width, height, sendEvent);
}

int XPutImage(Display* display, Drawable drawable, GC gc, XImage* image, int sourceX, int sourceY, int x,
              int y, unsigned int width, unsigned int height) {
    static int (*next)(Display*, Drawable, GC, XImage*, int, int, int, int, unsigned int, unsigned int);
    if (!next) next = dlsym(RTLD_NEXT, "XPutImage");
    CountImage(__builtin_return_address(0), x, y, ImageOrigin(image, sourceX, sourceY),
               image ? image->bytesPerLine : 0, (int)width, (int)height);
    return next(display, drawable, gc, image, sourceX, sourceY, x, y, width, height);
}

xcb_void_cookie_t xcb_put_image(xcb_connection_t* connection, uint8_t format, uint32_t drawable, uint32_t gc,
                                uint16_t width, uint16_t height, int16_t x, int16_t y, uint8_t leftPad,
                                uint8_t depth, uint32_t length, const uint8_t* data) {
    static xcb_void_cookie_t (*next)(xcb_connection_t*, uint8_t, uint32_t, uint32_t, uint16_t, uint16_t, int16_t,
                                     int16_t, uint8_t, uint8_t, uint32_t, const uint8_t*);
    if (!next) next = dlsym(RTLD_NEXT, "xcb_put_image");
    /* Depth 24 and 32 images are 32 bits a pixel, rows without padding. */
    const int whole = depth >= 24 && (uint64_t)width * height * 4 <= length;
    CountImage(__builtin_return_address(0), x, y, whole ? data : NULL, (int)width * 4, width, height);
    return next(connection, format, drawable, gc, width, height, x, y, leftPad, depth, length, data);
}
