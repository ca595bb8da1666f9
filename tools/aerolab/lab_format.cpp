#include "tools/aerolab/lab_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "platform/ignoring_case.h"

namespace aerolab {

namespace {
using platform::EqualsIgnoringCase;
}  // namespace

std::optional<std::int32_t> ParseInt32(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return std::nullopt;
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (base == 16 && !negative) {
        if (magnitude > 0xFFFFFFFFull) return std::nullopt;
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));
    }
    const std::int64_t value = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    if (magnitude > 0x80000000ull || value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::int16_t> ParseBool(std::string_view text) {
    if (text == "-1" || EqualsIgnoringCase(text, "true")) return std::int16_t{-1};
    if (text == "0" || EqualsIgnoringCase(text, "false")) return std::int16_t{0};
    return std::nullopt;
}

std::optional<float> ParseFloat(std::string_view text) {
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    if (std::fabs(value) > std::numeric_limits<float>::max()) return std::nullopt;
    return static_cast<float>(value);
}

std::string FormatBool(std::int16_t value) { return value != 0 ? "-1" : "0"; }

std::string FormatColour(std::uint32_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(value));
    return buffer;
}

std::string FormatInt(std::int64_t value) { return std::to_string(value); }

std::string FormatFloat(float value) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error != std::errc()) return "nan";
    return std::string(buffer, end);
}

std::string FormatText(std::wstring_view text) {
    std::string out = "\"";
    std::size_t runStart = 0;  // ordinary characters are encoded a run at a time, so that
                               // surrogate pairs stay together
    auto flush = [&](std::size_t end) {
        out += ToUtf8(text.substr(runStart, end - runStart));
        runStart = end + 1;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        const char* escape = nullptr;
        char buffer[8];
        switch (c) {
            case L'"': escape = "\\\""; break;
            case L'\\': escape = "\\\\"; break;
            case L'\r': escape = "\\r"; break;
            case L'\n': escape = "\\n"; break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    std::snprintf(buffer, sizeof buffer, "\\x%02X", static_cast<unsigned>(c));
                    escape = buffer;
                }
        }
        if (escape) {
            flush(i);
            out += escape;
        }
    }
    if (runStart < text.size()) out += ToUtf8(text.substr(runStart));
    out += "\"";
    return out;
}

std::wstring FromUtf8(std::string_view text) {
    std::wstring out;
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        std::uint32_t code = 0xFFFD;
        std::size_t length = 1;
        if (lead < 0x80) {
            code = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
        }
        if (length > 1) {
            if (i + length > text.size()) {
                length = 1;
            } else {
                std::uint32_t value = lead & (0x7F >> length);
                bool ok = true;
                for (std::size_t k = 1; k < length; ++k) {
                    const unsigned char next = static_cast<unsigned char>(text[i + k]);
                    if ((next & 0xC0) != 0x80) ok = false;
                    value = (value << 6) | (next & 0x3F);
                }
                const std::uint32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
                if (ok && value >= minimum[length] && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF)) {
                    code = value;
                } else {
                    length = 1;
                }
            }
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            out += static_cast<wchar_t>(0xD800 + (code >> 10));
            out += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
        } else {
            out += static_cast<wchar_t>(code);
        }
        i += length;
    }
    return out;
}

std::string ToUtf8(std::wstring_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::uint32_t code = static_cast<std::uint32_t>(text[i]);
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (static_cast<std::uint32_t>(text[i + 1]) - 0xDC00);
            ++i;
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = 0xFFFD;
        }
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return out;
}

}  // namespace aerolab
