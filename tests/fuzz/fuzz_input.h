// Reads typed values from a fuzzer's bytes, in order; past the end every value is zero.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace fuzz {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    template <typename T>
    T Take() {
        T value{};
        const std::size_t n = pos_ + sizeof(T) <= size_ ? sizeof(T) : size_ - pos_;
        if (n > 0) std::memcpy(&value, data_ + pos_, n);
        pos_ += n;
        return value;
    }
    // The rest as UTF-16 code units (two bytes each), whatever they are.
    std::wstring RestAsUtf16() {
        std::wstring text;
        while (pos_ + 1 < size_) {
            text += static_cast<wchar_t>(data_[pos_] | (data_[pos_ + 1] << 8));
            pos_ += 2;
        }
        return text;
    }
    std::string RestAsBytes() {
        std::string text(reinterpret_cast<const char*>(data_ + pos_), size_ - pos_);
        pos_ = size_;
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

}  // namespace fuzz
