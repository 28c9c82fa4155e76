#pragma once
// A PNG picture from the module's resources, decoded by GDI+ from the resource bytes and
// drawn in its own size. A missing resource, undecodable bytes or GDI+ not started leave
// the picture empty, and drawing it does nothing.
#include <windows.h>
#include <objidl.h>
#include <ole2.h>  // GDI+ needs the OLE types that lean Windows headers leave out
#include <gdiplus.h>

class DialogPicture {
public:
    DialogPicture(HINSTANCE module, UINT id, const wchar_t* type);
    ~DialogPicture();
    DialogPicture(const DialogPicture&) = delete;
    DialogPicture& operator=(const DialogPicture&) = delete;

    bool IsLoaded() const { return image_ != nullptr; }
    UINT Width() const { return width_; }
    UINT Height() const { return height_; }
    void Draw(Gdiplus::GpGraphics* graphics, int x, int y) const;
    // Onto the window's client area, over what it has painted.
    void DrawOnWindow(HWND window, int x, int y) const;

private:
    IStream* stream_ = nullptr;  // GDI+ reads the image from it for as long as it lives
    Gdiplus::GpImage* image_ = nullptr;
    UINT width_ = 0, height_ = 0;
};
