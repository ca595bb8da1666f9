// aerolab render: one button of a given size loaded from the given bag, run-time flags set,
// painted once in the given state, and its surface written as a 24-bit BMP.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "controls/aerobutton/aero_button.h"
#include "tools/aerolab/bag_arguments.h"
#include "tools/aerolab/commands.h"
#include "tools/aerolab/lab_format.h"
#include "tools/aerolab/lab_host.h"
#include "tools/aerolab/lab_values.h"

namespace aerolab {

namespace {

struct Flags {
    bool focus = false, inactive = false, isDefault = false, over = false, held = false, pressed = false, space = false;
};

void PutLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// The surface's top-left width x height pixels as an uncompressed 24-bit bottom-up BMP.
std::vector<std::uint8_t> EncodeBmp(const platform::BackImage& image, int width, int height) {
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(height);
    std::vector<std::uint8_t> out;
    out.reserve(54 + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    PutLe(out, 54 + pixelBytes, 4);
    PutLe(out, 0, 4);
    PutLe(out, 54, 4);
    PutLe(out, 40, 4);
    PutLe(out, static_cast<std::uint32_t>(width), 4);
    PutLe(out, static_cast<std::uint32_t>(height), 4);
    PutLe(out, 1, 2);
    PutLe(out, 24, 2);
    PutLe(out, 0, 4);  // BI_RGB
    PutLe(out, pixelBytes, 4);
    PutLe(out, 3780, 4);  // 96 dots per inch
    PutLe(out, 3780, 4);
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = image.PixelAt(x, y);
            out.push_back(GetBValue(c));
            out.push_back(GetGValue(c));
            out.push_back(GetRValue(c));
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(width) * 3; pad < rowBytes; ++pad) out.push_back(0);
    }
    return out;
}

std::string FormatRect(const aerobutton::PixelRect& r) {
    return FormatInt(r.left) + " " + FormatInt(r.top) + " " + FormatInt(r.right) + " " + FormatInt(r.bottom);
}

}  // namespace

int RunRender(const Arguments& args) {
    if (args.empty() || args[0].rfind("--", 0) == 0 || args[0].find('=') != std::string::npos)
        throw BadArgument("render needs the output file first: render OUT.bmp [options] [KEY=VALUE ...]");
    const std::string outPath = args[0];
    int width = 97, height = 25;
    std::int32_t state = -1;
    Flags flags;
    platform::PropertyBag bag;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& argument = args[i];
        auto next = [&](const char* option) -> const std::string& {
            if (i + 1 >= args.size()) throw BadArgument(std::string(option) + " needs a value");
            return args[++i];
        };
        if (argument == "--size") {
            const std::string& size = next("--size");
            const auto x = size.find('x');
            // A side that is missing or not a number reads 0, which is refused like any other.
            const bool both = x != std::string::npos;
            const int w = both ? ParseInt32(size.substr(0, x)).value_or(0) : 0;
            const int h = both ? ParseInt32(size.substr(x + 1)).value_or(0) : 0;
            if (w < 1 || h < 1 || w > 32767 || h > 32767)
                throw BadArgument("--size: \"" + size + "\" is not WxH with sides 1 to 32767");
            width = w;
            height = h;
        } else if (argument == "--state") {
            const std::string& text = next("--state");
            const auto value = ParseInt32(text);
            if (!value) throw BadArgument("--state: \"" + text + "\" is not an integer");
            state = *value;
        } else if (argument == "--focus") {
            flags.focus = true;
        } else if (argument == "--inactive") {
            flags.inactive = true;
        } else if (argument == "--default") {
            flags.isDefault = true;
        } else if (argument == "--over") {
            flags.over = true;
        } else if (argument == "--held") {
            flags.held = true;
        } else if (argument == "--pressed") {
            flags.pressed = true;
        } else if (argument == "--space") {
            flags.space = true;
        } else {
            AddBagArgumentOrRefuseOption(bag, argument);
        }
    }

    LabBench bench(true);
    platform::FormControlSite& site = bench.site;
    aerobutton::AeroButton button(site, bench.form.hwnd(), 0, 0, width, height);
    site.SetControl(&button);
    button.ReadProperties(bag);
    button.SetRunTimeFlags(flags.focus, !flags.inactive, flags.isDefault, flags.over, flags.held, flags.pressed,
                           flags.space);
    button.Redraw(state, true);

    // The window cannot be smaller than the button's minimum; the picture is the size asked.
    const std::vector<std::uint8_t> bmp = EncodeBmp(button.Surface().Image(), width, height);
    FILE* out = _wfopen(FromUtf8(outPath).c_str(), L"wb");
    if (!out) throw BadArgument("cannot write \"" + outPath + "\"");
    const bool written = std::fwrite(bmp.data(), 1, bmp.size(), out) == bmp.size();
    const bool closed = std::fclose(out) == 0;
    if (!written || !closed) throw BadArgument("cannot write \"" + outPath + "\"");
    PrintLine("TextRect = " + FormatRect(button.TextRect()));
    PrintLine("PicRect = " + FormatRect(button.PicRect()));
    return 0;
}

}  // namespace aerolab
