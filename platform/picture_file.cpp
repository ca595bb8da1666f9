// Reading .bmp and .ico files into pictures, refusing what is corrupt or truncated.
#include "platform/picture_file.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/control_error.h"

namespace platform {

namespace {

// Larger pictures than this are refused: a corrupt header must not make us allocate
// gigabytes, and no button picture comes near it.
constexpr std::int64_t kMaxSide = 16384;
constexpr std::int64_t kMaxPixels = 64LL * 1024 * 1024;

[[noreturn]] void Invalid() { throw ControlError(kErrorInvalidPicture, "Invalid picture"); }

std::uint32_t U32(const std::vector<std::uint8_t>& b, size_t at) {
    if (at + 4 > b.size()) Invalid();
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::uint16_t U16(const std::vector<std::uint8_t>& b, size_t at) {
    if (at + 2 > b.size()) Invalid();
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

struct DibLayout {
    std::int64_t headerAndColours = 0;  // header, bit-field masks and colour table
    std::int64_t pixels = 0;            // the colour rows
    std::int64_t mask = 0;              // an icon's AND rows
};

// Checks the BITMAPINFOHEADER at `at`: sizes the system accepts and that a corrupt file cannot
// inflate. iconImage: the height counts colour and mask rows, as in an icon file.
DibLayout CheckDib(const std::vector<std::uint8_t>& b, size_t at, bool iconImage) {
    const std::uint32_t headerSize = U32(b, at);
    if (headerSize < 40 || headerSize > b.size() - at) Invalid();
    const std::int64_t width = static_cast<std::int32_t>(U32(b, at + 4));
    const std::int64_t rawHeight = static_cast<std::int32_t>(U32(b, at + 8));
    const std::int64_t height = (rawHeight < 0 ? -rawHeight : rawHeight) / (iconImage ? 2 : 1);
    const std::uint16_t planes = U16(b, at + 12);
    const std::uint16_t bits = U16(b, at + 14);
    const std::uint32_t compression = U32(b, at + 16);
    std::int64_t colours = U32(b, at + 32);
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide || width * height > kMaxPixels) Invalid();
    if (planes != 1) Invalid();
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) Invalid();
    if (compression != 0 && compression != 3) Invalid();  // BI_RGB or BI_BITFIELDS only
    if (compression == 3 && bits != 16 && bits != 32) Invalid();
    if (colours > 256) Invalid();
    if (bits <= 8 && colours == 0) colours = std::int64_t{1} << bits;
    DibLayout layout;
    layout.headerAndColours = headerSize + (compression == 3 && headerSize == 40 ? 12 : 0) + colours * 4;
    layout.pixels = ((width * bits + 31) / 32) * 4 * height;
    if (iconImage) layout.mask = ((width + 31) / 32) * 4 * height;
    return layout;
}

PicturePtr LoadBitmap(const std::vector<std::uint8_t>& b) {
    constexpr size_t kFileHeader = 14;
    if (b.size() < kFileHeader + 40) Invalid();
    const std::int64_t dataOffset = U32(b, 10);
    const DibLayout layout = CheckDib(b, kFileHeader, false);
    if (dataOffset < static_cast<std::int64_t>(kFileHeader) + layout.headerAndColours) Invalid();
    if (dataOffset + layout.pixels > static_cast<std::int64_t>(b.size())) Invalid();
    // The header and colour table copied out: the system wants them aligned.
    std::vector<std::uint8_t> header(b.begin() + kFileHeader,
                                     b.begin() + kFileHeader + static_cast<size_t>(layout.headerAndColours));
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(header.data()), DIB_RGB_COLORS,
                                         &bits, nullptr, 0));
    if (!bitmap || !bits) Invalid();
    std::memcpy(bits, b.data() + dataOffset, static_cast<size_t>(layout.pixels));
    auto picture = Picture::FromBitmap(std::move(bitmap));
    if (!picture) Invalid();
    return picture;
}

PicturePtr LoadIcon(const std::vector<std::uint8_t>& b) {
    const std::uint16_t count = U16(b, 4);
    if (count == 0 || 6 + 16 * static_cast<size_t>(count) > b.size()) Invalid();
    // The first image, as a picture of an icon file shows it.
    const std::uint32_t size = U32(b, 6 + 8);
    const std::uint32_t offset = U32(b, 6 + 12);
    if (offset < 6 + 16u * count || offset > b.size() || size > b.size() - offset || size < 40) Invalid();
    if (std::memcmp(b.data() + offset, "\x89PNG", 4) == 0) Invalid();
    const DibLayout layout = CheckDib(b, offset, true);
    if (layout.headerAndColours + layout.pixels + layout.mask > size) Invalid();
    const std::int32_t width = static_cast<std::int32_t>(U32(b, offset + 4));
    const std::int32_t height = static_cast<std::int32_t>(U32(b, offset + 8)) / 2;
    std::vector<std::uint8_t> image(b.begin() + offset, b.begin() + offset + size);
    auto picture = Picture::FromIcon(
        UniqueIcon(CreateIconFromResourceEx(image.data(), size, TRUE, 0x00030000, width, height, LR_DEFAULTCOLOR)));
    if (!picture) Invalid();
    return picture;
}

}  // namespace

PicturePtr LoadPictureBytes(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return LoadBitmap(bytes);
    if (bytes.size() >= 6 && U16(bytes, 0) == 0 && U16(bytes, 2) == 1) return LoadIcon(bytes);
    Invalid();
}

PicturePtr LoadPictureFile(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    if (!file) throw ControlError(kErrorFileNotFound, "File not found");
    file.seekg(0, std::ios::end);
    const std::streamoff length = file.tellg();
    // A picture file larger than any sound picture can be is refused before it is read.
    if (length < 0 || length > kMaxPixels * 4 + 65536) Invalid();
    file.seekg(0, std::ios::beg);
    std::vector<std::uint8_t> bytes(static_cast<size_t>(length));
    if (length > 0 && !file.read(reinterpret_cast<char*>(bytes.data()), length)) Invalid();
    return LoadPictureBytes(bytes);
}

}  // namespace platform
