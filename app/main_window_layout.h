// The stored definition of the main window: its outer size and its controls' positions in
// twips, as the form was designed. Converted to pixels when the controls are created.
#pragma once

namespace app::layout {

struct TwipsRect {
    int left, top, width, height;
};

inline constexpr wchar_t kStoredCaption[] = L"Morvex ";
inline constexpr wchar_t kTitle[] = L"Tarnwick!";
inline constexpr int kTitleLeft = 10;  // pixels
inline constexpr int kTitleTop = 6;

inline constexpr double kOuterWidthTwips = 5450;
inline constexpr double kOuterHeightTwips = 2715;

inline constexpr TwipsRect kPicN{4320, 0, 975, 375};
inline constexpr TwipsRect kBtnClose{360, 0, 615, 375};  // in picN
inline constexpr TwipsRect kBtnMin{0, 0, 375, 375};      // in picN, above btnClose
inline constexpr TwipsRect kPTop{6480, 6240, 9600, 7200};
inline constexpr TwipsRect kImgMinD{360, 2040, 1035, 300};  // in pTop
inline constexpr TwipsRect kImgMinH{360, 1680, 1035, 300};
inline constexpr TwipsRect kImgCloseH{360, 1320, 1035, 300};
inline constexpr TwipsRect kImgCloseD{360, 960, 1035, 300};
inline constexpr TwipsRect kImgNormal{360, 600, 1035, 300};
inline constexpr TwipsRect kCmdHome{3725, 1680, 1455, 375};
inline constexpr TwipsRect kCmdApply{3725, 1200, 1455, 375};
inline constexpr TwipsRect kPicText{240, 1080, 3375, 975};
inline constexpr TwipsRect kImage1{120, 360, 5175, 615};

inline constexpr wchar_t kCloseToolTip[] = L"Close (Alt + F4)";
inline constexpr wchar_t kMinToolTip[] = L"Minimize window";

// picN's distance from the right edge of the client area, in the form's units.
inline constexpr int kPicNRightMargin = 8;
// Where start-up moves the banner, in pixels.
inline constexpr int kImage1Left = 6;
inline constexpr int kImage1Top = 26;

}  // namespace app::layout
