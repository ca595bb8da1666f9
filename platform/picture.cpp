#include "platform/picture.h"

#include "platform/rounding.h"

namespace platform {

int PixelsToHimetric(int pixels) { return RoundHalfEven(pixels * 2540.0 / 96.0); }
int HimetricToPixels(int himetric) { return RoundHalfEven(himetric * 96.0 / 2540.0); }

std::shared_ptr<const Picture> Picture::FromBitmap(UniqueBitmap bitmap) {
    if (!bitmap) return nullptr;
    BITMAP info{};
    if (!GetObjectW(bitmap.get(), sizeof info, &info)) return nullptr;
    auto picture = std::make_shared<Picture>(Key());
    picture->type_ = PictureType::Bitmap;
    picture->bitmap_ = std::move(bitmap);
    picture->width_ = info.bmWidth;
    picture->height_ = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    return picture;
}

std::shared_ptr<const Picture> Picture::FromIcon(HICON icon) {
    if (!icon) return nullptr;
    auto picture = std::make_shared<Picture>(Key());
    picture->type_ = PictureType::Icon;
    picture->icon_ = icon;
    ICONINFO info{};
    if (GetIconInfo(icon, &info)) {
        BITMAP mask{};
        if (info.hbmMask && GetObjectW(info.hbmMask, sizeof mask, &mask)) {
            picture->width_ = mask.bmWidth;
            // A monochrome icon keeps its AND and XOR masks stacked in one bitmap.
            picture->height_ = info.hbmColor ? mask.bmHeight : mask.bmHeight / 2;
        }
        if (info.hbmMask) DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
    }
    return picture;
}

std::shared_ptr<const Picture> Picture::FromBitmapResource(int resourceId) {
    auto* handle = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0, 0,
                              LR_CREATEDIBSECTION);
    return FromBitmap(UniqueBitmap(static_cast<HBITMAP>(handle)));
}

Picture::~Picture() {
    if (icon_) DestroyIcon(icon_);
}

HANDLE Picture::Handle() const {
    if (type_ == PictureType::Bitmap) return bitmap_.get();
    return icon_;
}

int Picture::WidthHimetric() const { return PixelsToHimetric(width_); }
int Picture::HeightHimetric() const { return PixelsToHimetric(height_); }

void Picture::Draw(HDC dc, int x, int y) const {
    if (type_ == PictureType::Icon) {
        DrawIconEx(dc, x, y, icon_, width_, height_, 0, nullptr, DI_NORMAL);
        return;
    }
    if (type_ != PictureType::Bitmap) return;
    UniqueMemoryDC source(dc);
    SelectGuard select(source.get(), bitmap_.get());
    BitBlt(dc, x, y, width_, height_, source.get(), 0, 0, SRCCOPY);
}

}  // namespace platform
