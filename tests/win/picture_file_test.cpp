#include "platform/picture_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/control_error.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, std::uint16_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void PutInfoHeader(Bytes& b, std::int32_t width, std::int32_t height, std::uint16_t bits) {
    Put32(b, 40);
    Put32(b, static_cast<std::uint32_t>(width));
    Put32(b, static_cast<std::uint32_t>(height));
    Put16(b, 1);
    Put16(b, bits);
    for (int i = 0; i < 6; ++i) Put32(b, 0);
}

// A 24-bit bottom-up .bmp whose pixel (x, y) is RGB(10 * x, 20 * y, 7).
Bytes Bitmap24(std::int32_t width, std::int32_t height) {
    const std::uint32_t stride = ((width * 24 + 31) / 32) * 4;
    Bytes b{'B', 'M'};
    Put32(b, 54 + stride * height);
    Put32(b, 0);
    Put32(b, 54);
    PutInfoHeader(b, width, height, 24);
    for (std::int32_t row = height - 1; row >= 0; --row) {
        for (std::int32_t x = 0; x < width; ++x) {
            b.push_back(7);
            b.push_back(static_cast<std::uint8_t>(20 * row));
            b.push_back(static_cast<std::uint8_t>(10 * x));
        }
        for (std::uint32_t pad = width * 3; pad < stride; ++pad) b.push_back(0);
    }
    return b;
}

// An .ico file with one 32-bit 16 x 16 image.
Bytes Icon32() {
    Bytes image;
    PutInfoHeader(image, 16, 32, 32);
    for (int i = 0; i < 16 * 16; ++i) Put32(image, 0xFF204080);
    for (int i = 0; i < 16 * 4; ++i) image.push_back(0);  // AND mask rows, 4 bytes each
    Bytes b;
    Put16(b, 0);
    Put16(b, 1);
    Put16(b, 1);
    b.push_back(16);
    b.push_back(16);
    b.push_back(0);
    b.push_back(0);
    Put16(b, 1);
    Put16(b, 32);
    Put32(b, static_cast<std::uint32_t>(image.size()));
    Put32(b, 22);
    b.insert(b.end(), image.begin(), image.end());
    return b;
}

std::int32_t ErrorOf(const Bytes& bytes) {
    try {
        platform::LoadPictureBytes(bytes);
    } catch (const platform::ControlError& error) {
        return error.Number();
    }
    return 0;
}

TEST(PictureFile, BitmapKeepsItsSizeAndPixels) {
    const auto picture = platform::LoadPictureBytes(Bitmap24(3, 2));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Type(), platform::PictureType::Bitmap);
    EXPECT_EQ(picture->WidthPixels(), 3);
    EXPECT_EQ(picture->HeightPixels(), 2);
    platform::UniqueMemoryDC dc(nullptr);
    platform::SelectGuard select(dc.get(), picture->Bitmap());
    EXPECT_EQ(GetPixel(dc.get(), 0, 0), RGB(0, 0, 7));
    EXPECT_EQ(GetPixel(dc.get(), 2, 1), RGB(20, 20, 7));
}

TEST(PictureFile, IconIsItsFirstImageAtNaturalSize) {
    const auto picture = platform::LoadPictureBytes(Icon32());
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Type(), platform::PictureType::Icon);
    EXPECT_EQ(picture->WidthPixels(), 16);
    EXPECT_EQ(picture->HeightPixels(), 16);
}

TEST(PictureFile, TruncatedFilesAreInvalidPictures) {
    const Bytes bitmap = Bitmap24(8, 8);
    for (size_t keep : {size_t{0}, size_t{1}, size_t{13}, size_t{30}, size_t{54}, bitmap.size() - 1}) {
        EXPECT_EQ(ErrorOf(Bytes(bitmap.begin(), bitmap.begin() + static_cast<long>(keep))),
                  platform::kErrorInvalidPicture)
            << keep;
    }
    const Bytes icon = Icon32();
    for (size_t keep : {size_t{6}, size_t{21}, size_t{60}, icon.size() - 1}) {
        EXPECT_EQ(ErrorOf(Bytes(icon.begin(), icon.begin() + static_cast<long>(keep))), platform::kErrorInvalidPicture)
            << keep;
    }
}

TEST(PictureFile, CorruptHeadersAreRefusedBeforeAnythingIsAllocated) {
    auto patched = [](std::size_t at, std::uint32_t value) {
        Bytes b = Bitmap24(4, 4);
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
        return b;
    };
    EXPECT_EQ(ErrorOf(patched(18, 0x7FFFFFFF)), platform::kErrorInvalidPicture);  // width
    EXPECT_EQ(ErrorOf(patched(22, 0x80000000)), platform::kErrorInvalidPicture);  // height
    EXPECT_EQ(ErrorOf(patched(18, 0)), platform::kErrorInvalidPicture);
    EXPECT_EQ(ErrorOf(patched(18, 0xFFFFFFFC)), platform::kErrorInvalidPicture);  // width -4
    EXPECT_EQ(ErrorOf(patched(28, 7)), platform::kErrorInvalidPicture);           // 7 bits per pixel
    EXPECT_EQ(ErrorOf(patched(30, 1)), platform::kErrorInvalidPicture);           // run-length compressed
    EXPECT_EQ(ErrorOf(patched(10, 0xFFFFFF00)), platform::kErrorInvalidPicture);  // pixel offset
    EXPECT_EQ(ErrorOf(patched(14, 0x10000000)), platform::kErrorInvalidPicture);  // header size
}

TEST(PictureFile, OtherContentIsNotAPicture) {
    EXPECT_EQ(ErrorOf(Bytes{'G', 'I', 'F', '8', '9', 'a'}), platform::kErrorInvalidPicture);
    Bytes png = Icon32();
    png[22] = 0x89, png[23] = 'P', png[24] = 'N', png[25] = 'G';
    EXPECT_EQ(ErrorOf(png), platform::kErrorInvalidPicture);
    Bytes noImages = Icon32();
    noImages[4] = 0;
    EXPECT_EQ(ErrorOf(noImages), platform::kErrorInvalidPicture);
}

TEST(PictureFile, FilesAreReadFromDisk) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"tarnwick-picture-test.bmp";
    {
        const Bytes bytes = Bitmap24(5, 3);
        std::ofstream out(std::filesystem::path(path), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    const auto picture = platform::LoadPictureFile(path);
    DeleteFileW(path.c_str());
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->WidthPixels(), 5);
    try {
        platform::LoadPictureFile(path);
        ADD_FAILURE() << "a missing file loaded";
    } catch (const platform::ControlError& error) {
        EXPECT_EQ(error.Number(), platform::kErrorFileNotFound);
    }
}

TEST(PictureFile, PicturesReleaseTheirGdiObjects) {
    const long before = platform::LiveGdiObjects();
    for (int i = 0; i < 50; ++i) platform::LoadPictureBytes(Bitmap24(16, 16));
    EXPECT_EQ(platform::LiveGdiObjects(), before);
}

}  // namespace
