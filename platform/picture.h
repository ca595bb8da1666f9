// Picture objects: a bitmap or an icon with its size, shared by the controls that show it.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/gdi_owner.h"

namespace platform {

enum class PictureType { None = 0, Bitmap = 1, Icon = 3 };

class Picture {
public:
    // Takes ownership of the bitmap; null if it is null.
    static std::shared_ptr<const Picture> FromBitmap(UniqueBitmap bitmap);
    // Takes ownership of the icon; null if it is null.
    static std::shared_ptr<const Picture> FromIcon(UniqueIcon icon);
    // A bitmap resource of this module; null if it cannot be found or is malformed. It is
    // drawn straight from the module's mapped resource (run-length encoded or not), and a
    // 24-bit DIB section of it is made only when its handle is asked for, so a large
    // picture that is only drawn costs no memory of its own.
    static std::shared_ptr<const Picture> FromBitmapResource(int resourceId);

    // Only the factories above can make the key, so every picture is created shared.
    class Key {
        friend class Picture;
        Key() = default;
    };
    explicit Picture(Key) {}
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    PictureType Type() const { return type_; }
    HBITMAP Bitmap() const;
    HICON Icon() const { return icon_.get(); }
    // The handle as the picture's Handle property reports it.
    HANDLE Handle() const;
    int WidthPixels() const { return width_; }
    int HeightPixels() const { return height_; }
    // Size in HIMETRIC (0.01 mm), as pictures report it: pixels * 2540 / 96, rounded.
    int WidthHimetric() const;
    int HeightHimetric() const;

    // Draws at natural size with its top-left corner at (x, y).
    void Draw(HDC dc, int x, int y) const;

private:
    // The resource's pixels as a DIB section, made the first time they are needed.
    HBITMAP DecodeResource() const;

    PictureType type_ = PictureType::None;
    mutable UniqueBitmap bitmap_;
    // A bitmap resource: its header and colour table, and its pixels, in the module's image.
    const BITMAPINFO* resourceInfo_ = nullptr;
    const void* resourceBits_ = nullptr;
    UniqueIcon icon_;
    int width_ = 0;
    int height_ = 0;
};

using PicturePtr = std::shared_ptr<const Picture>;

// HIMETRIC <-> pixels at 96 dots per inch, to the nearest unit.
int PixelsToHimetric(int pixels);
int HimetricToPixels(int himetric);

}  // namespace platform
