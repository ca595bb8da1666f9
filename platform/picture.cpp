// Pictures: bitmaps and icons, from resources or handles, with their sizes in pixels and himetric.
#include "platform/picture.h"

#include <cstddef>

#include "platform/dib_section.h"
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

std::shared_ptr<const Picture> Picture::FromIcon(UniqueIcon icon) {
    if (!icon) return nullptr;
    auto picture = std::make_shared<Picture>(Key());
    picture->type_ = PictureType::Icon;
    ICONINFO info{};
    if (GetIconInfo(icon.get(), &info)) {
        // The icon's masks come as copies of the caller's to delete.
        const UniqueBitmap mask(info.hbmMask);
        const UniqueBitmap colour(info.hbmColor);
        BITMAP maskInfo{};
        if (mask && GetObjectW(mask.get(), sizeof maskInfo, &maskInfo)) {
            picture->width_ = maskInfo.bmWidth;
            // A monochrome icon keeps its AND and XOR masks stacked in one bitmap.
            picture->height_ = colour ? maskInfo.bmHeight : maskInfo.bmHeight / 2;
        }
    }
    picture->icon_ = std::move(icon);
    return picture;
}

std::shared_ptr<const Picture> Picture::FromBitmapResource(int resourceId) {
    // Pictures with few colours are stored run-length encoded (the skin atlas shrinks from
    // 900 KB to a few), which LoadImage cannot turn into a DIB section; the stored form is
    // read here, whatever it is. The resources are the program's own, built with it and
    // checked by its tests, so their pixels are not decoded here only to prove them sound.
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resourceId), RT_BITMAP);
    if (!found) return nullptr;
    const DWORD size = SizeofResource(module, found);
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes || size < sizeof(BITMAPINFOHEADER)) return nullptr;

    const auto* stored = static_cast<const BITMAPINFO*>(bytes);
    const BITMAPINFOHEADER& header = stored->bmiHeader;
    if (header.biSize < sizeof header || header.biWidth <= 0 || header.biHeight == 0) return nullptr;
    std::size_t colours = header.biClrUsed;
    if (colours == 0 && header.biBitCount <= 8) colours = std::size_t{1} << header.biBitCount;
    if (header.biCompression == BI_BITFIELDS) colours = 3;
    const std::size_t bitsOffset = header.biSize + colours * sizeof(RGBQUAD);
    if (bitsOffset >= size) return nullptr;

    auto picture = std::make_shared<Picture>(Key());
    picture->type_ = PictureType::Bitmap;
    picture->resourceInfo_ = stored;
    picture->resourceBits_ = static_cast<const BYTE*>(bytes) + bitsOffset;
    picture->width_ = header.biWidth;
    picture->height_ = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    return picture;
}

HBITMAP Picture::DecodeResource() const {
    DibSection section = MakeDibSection(nullptr, width_, height_, 24, RowOrder::BottomUp);
    if (!section.bitmap) return nullptr;
    // The DC only matters for palette-indexed colour tables, which these are not.
    WindowDC screen(nullptr);
    if (SetDIBits(screen.get(), section.bitmap.get(), 0, static_cast<UINT>(height_), resourceBits_, resourceInfo_,
                  DIB_RGB_COLORS) == 0)
        return nullptr;
    bitmap_ = std::move(section.bitmap);
    return bitmap_.get();
}

HBITMAP Picture::Bitmap() const {
    if (type_ != PictureType::Bitmap) return nullptr;
    if (!bitmap_ && resourceInfo_) return DecodeResource();
    return bitmap_.get();
}

HANDLE Picture::Handle() const {
    if (type_ == PictureType::Bitmap) return Bitmap();
    return icon_.get();
}

int Picture::WidthHimetric() const { return PixelsToHimetric(width_); }
int Picture::HeightHimetric() const { return PixelsToHimetric(height_); }

void Picture::Draw(HDC dc, int x, int y) const {
    if (type_ == PictureType::Icon) {
        DrawIconEx(dc, x, y, icon_.get(), width_, height_, 0, nullptr, DI_NORMAL);
        return;
    }
    if (type_ != PictureType::Bitmap) return;
    if (!bitmap_ && resourceInfo_) {
        // Every pixel of a stored picture is written (its runs skip none), so this is the
        // same as copying the decoded picture.
        SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(width_), static_cast<DWORD>(height_), 0, 0, 0,
                          static_cast<UINT>(height_), resourceBits_, resourceInfo_, DIB_RGB_COLORS);
        return;
    }
    UniqueMemoryDC source(dc);
    SelectGuard select(source.get(), bitmap_.get());
    BitBlt(dc, x, y, width_, height_, source.get(), 0, 0, SRCCOPY);
}

}  // namespace platform
