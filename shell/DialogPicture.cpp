#include "shell/DialogPicture.h"

#include <cstring>

using namespace Gdiplus::DllExports;

namespace {

// A stream over a copy of the resource bytes; the stream owns the copy.
IStream* StreamOverResource(HINSTANCE module, UINT id, const wchar_t* type) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (!found) return nullptr;
    const DWORD size = SizeofResource(module, found);
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes || size == 0) return nullptr;
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!copy) return nullptr;
    void* target = GlobalLock(copy);
    if (!target) {
        GlobalFree(copy);
        return nullptr;
    }
    std::memcpy(target, bytes, size);
    GlobalUnlock(copy);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
        GlobalFree(copy);
        return nullptr;
    }
    return stream;
}

}  // namespace

DialogPicture::DialogPicture(HINSTANCE module, UINT id, const wchar_t* type) {
    stream_ = StreamOverResource(module, id, type);
    if (!stream_) return;
    if (GdipLoadImageFromStream(stream_, &image_) != Gdiplus::Ok || !image_) {
        image_ = nullptr;
        return;
    }
    GdipGetImageWidth(image_, &width_);
    GdipGetImageHeight(image_, &height_);
}

DialogPicture::~DialogPicture() {
    if (image_) GdipDisposeImage(image_);
    if (stream_) stream_->Release();
}

void DialogPicture::Draw(Gdiplus::GpGraphics* graphics, int x, int y) const {
    if (!image_ || !graphics) return;
    GdipDrawImageRectI(graphics, image_, x, y, static_cast<INT>(width_),
                       static_cast<INT>(height_));
}

void DialogPicture::DrawOnWindow(HWND window, int x, int y) const {
    if (!image_) return;
    Gdiplus::GpGraphics* graphics = nullptr;
    if (GdipCreateFromHWND(window, &graphics) != Gdiplus::Ok || !graphics) return;
    Draw(graphics, x, y);
    GdipDeleteGraphics(graphics);
}
