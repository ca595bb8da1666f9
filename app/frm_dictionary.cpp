// The main window: its stored controls created in order, its load, and its buttons' clicks.
#include "app/frm_dictionary.h"

#include "app/credit_scroll.h"
#include "app/credits_panel.h"
#include "app/launcher.h"
#include "app/main_window_layout.h"
#include "app/mod_frm.h"
#include "app/shutdown_tweak.h"
#include "platform/screen.h"
#include "resources/resource_ids.h"

namespace app {

namespace {
// Fixed single border with a title bar; the region cuts both away at start-up.
constexpr COLORREF kCreditsBackColor = RGB(211, 211, 211);

using platform::TwipsToPixelsX;
using platform::TwipsToPixelsY;

RECT PixelsOf(const layout::TwipsRect& r) {
    const int left = TwipsToPixelsX(r.left);
    const int top = TwipsToPixelsY(r.top);
    return RECT{left, top, left + TwipsToPixelsX(r.width), top + TwipsToPixelsY(r.height)};
}

// The buttons' stored extent: 2566 x 661 HIMETRIC, 97 x 25 pixels.
constexpr int kButtonWidth = 97;
constexpr int kButtonHeight = 25;

// "MS Sans Serif" 8.25 point, regular, as stored: character set 0, the ANSI one.
platform::FontDescription StoredButtonFont() {
    platform::FontDescription font;
    font.name = L"MS Sans Serif";
    font.size = 8.25f;
    font.charset = ANSI_CHARSET;
    return font;
}
}  // namespace

FrmDictionary::FrmDictionary() {
    CreateForm(layout::kStoredCaption, platform::kFormStyle, TwipsToPixelsX(layout::kOuterWidthTwips),
               TwipsToPixelsY(layout::kOuterHeightTwips));
    CreateControls();
    mouse.move = [this](const platform::MouseEvent& event) { Form_MouseMove(event); };
}

void FrmDictionary::CreateControls() {
    // Created in the stored order; the tab indexes, not this order, decide where Tab goes.
    reDrawTimer_.onTick = [this] { DrawCredits(); };

    picN_.CreateChild(hwnd(), L"picN", PixelsOf(layout::kPicN), true);
    // Kept drawn, so that the skin can be put under the strip picture (ShowSkinUnderStrip).
    picN_.SetAutoRedraw(true);
    btnClose_ = &picN_.AddImage(L"btnClose", PixelsOf(layout::kBtnClose));
    btnClose_->toolTip = layout::kCloseToolTip;
    btnMin_ = &picN_.AddImage(L"btnMin", PixelsOf(layout::kBtnMin));
    btnMin_->toolTip = layout::kMinToolTip;
    picN_.UpdateImage(*btnClose_);
    picN_.UpdateImage(*btnMin_);
    btnClose_->mouse.click = [this] { Unload(); };
    btnClose_->mouse.down = [this](const platform::MouseEvent&) { SetStrip(StripState::CloseDown); };
    btnClose_->mouse.move = [this](const platform::MouseEvent&) { SetStrip(StripState::CloseHot); };
    btnMin_->mouse.click = [this] { Minimise(); };
    btnMin_->mouse.down = [this](const platform::MouseEvent&) { SetStrip(StripState::MinDown); };
    btnMin_->mouse.move = [this](const platform::MouseEvent&) { SetStrip(StripState::MinHot); };

    pTop_.CreateChild(hwnd(), L"pTop", PixelsOf(layout::kPTop), false);
    pTop_.SetAutoRedraw(true);
    pTop_.SetPicture(platform::Picture::FromBitmapResource(IDB_SKIN_ATLAS));
    auto hidden = [this](const wchar_t* name, const layout::TwipsRect& where, int resource) {
        auto& image = pTop_.AddImage(name, PixelsOf(where), platform::Picture::FromBitmapResource(resource));
        image.visible = false;
        return &image;
    };
    imgMinD_ = hidden(L"imgMinD", layout::kImgMinD, IDB_STRIP_MIN_DOWN);
    imgMinH_ = hidden(L"imgMinH", layout::kImgMinH, IDB_STRIP_MIN_HOT);
    imgCloseH_ = hidden(L"imgCloseH", layout::kImgCloseH, IDB_STRIP_CLOSE_HOT);
    imgCloseD_ = hidden(L"imgCloseD", layout::kImgCloseD, IDB_STRIP_CLOSE_DOWN);
    imgNormal_ = hidden(L"imgNormal", layout::kImgNormal, IDB_STRIP_NORMAL);

    host_ = std::make_unique<platform::ControlHost>(hwnd());
    host_->ambientFont = Font();
    preTranslate = [this](const MSG& message) { return host_->PreTranslate(message); };
    cmdHome_ = CreateButton(L"cmdHome", layout::kCmdHome, L"Homepage", &FrmDictionary::cmdHome_Click);
    cmdApply_ = CreateButton(L"cmdApply", layout::kCmdApply, L"&Apply", &FrmDictionary::cmdApply_Click);

    picText_.CreateChild(hwnd(), L"PicText", PixelsOf(layout::kPicText), true);
    picText_.SetForeColor(GetSysColor(COLOR_WINDOWTEXT));

    image1_ = &AddImage(L"Image1", PixelsOf(layout::kImage1), platform::Picture::FromBitmapResource(IDB_BANNER));

    ArrangeTabOrder();
    onResize = [this] { ResizeHandling(); };
    picN_.SetAccessibleSource(&accessible_.strip);
    picText_.SetAccessibleSource(&accessible_.credits);
    SetAccessibleSource(&accessible_.window);
}

void FrmDictionary::ArrangeTabOrder() {
    // The window system walks the child windows for Tab in their z-order, which creation
    // leaves in creation order; the stored tab indexes decide it instead.
    const HWND byTabIndex[] = {cmdApply_->hWnd(), cmdHome_->hWnd(), pTop_.hwnd(), picN_.hwnd(), picText_.hwnd()};
    HWND previous = HWND_TOP;
    for (HWND child : byTabIndex) {
        SetWindowPos(child, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = child;
    }
}

std::unique_ptr<aerobutton::AeroButton> FrmDictionary::CreateButton(const wchar_t* name, const layout::TwipsRect& where,
                                                                    const wchar_t* caption,
                                                                    void (FrmDictionary::*click)()) {
    const RECT r = PixelsOf(where);
    platform::FormControlSite& site = host_->AddSite(name);
    site.onEvent = [this, click](platform::ControlEvent& event) {
        if (event.dispatchId == aerobutton::event_id::Click) (this->*click)();
    };
    auto button = std::make_unique<aerobutton::AeroButton>(site, hwnd(), r.left, r.top, kButtonWidth, kButtonHeight);
    site.SetControl(button.get());
    // The stored values; every other key takes its load default.
    button->ReadProperties(platform::PropertyBag{
        {L"caption", std::wstring(caption)},
        {L"font", std::make_shared<const platform::FontDescription>(StoredButtonFont())},
        {L"tiptext", std::wstring()},
    });
    return button;
}

void FrmDictionary::Load() {
    SetOuterSizeTwips(layout::kOuterWidthTwips, layout::kOuterHeightTwips);
    SetStrip(StripState::Normal);
    PlacePicN();  // still in twips here: the margin is 8 twips
    FormPaintTitle(*this, layout::kTitle, layout::kTitleLeft, layout::kTitleTop);
    FormRoundRegion(*this);
    image1_->rect =
        RECT{layout::kImage1Left, layout::kImage1Top, layout::kImage1Left + (image1_->rect.right - image1_->rect.left),
             layout::kImage1Top + (image1_->rect.bottom - image1_->rect.top)};
    UpdateImage(*image1_);
    picText_.SetScaleMode(platform::ScaleMode::Pixels);
    picText_.SetBackColor(kCreditsBackColor);
    creditStartTop_ = picText_.HeightPixels();  // the outer height, a whole number of pixels
    picText_.SetAutoRedraw(true);
    creditTop_ = static_cast<float>(creditStartTop_);
    BuildCredits(credits_);
    MeasureCreditLines(picText_, credits_, creditMeasures_);
    reDrawTimer_.SetInterval(20);
    reDrawTimer_.SetEnabled(true);
}

void FrmDictionary::Show() {
    ShowCentred();
    SetFocus(cmdApply_->hWnd());
}

void FrmDictionary::ResizeHandling() {
    FormPaintTitle(*this, layout::kTitle, layout::kTitleLeft, layout::kTitleTop);
    SetStrip(StripState::Normal);
    PlacePicN();
    ShowSkinUnderStrip();  // the skin was painted again and picN may have moved
}

void FrmDictionary::PlacePicN() {
    const double left = ScaleWidth() - PixelsToUnitsX(picN_.WidthPixels()) - layout::kPicNRightMargin;
    picN_.MovePixels(UnitsToPixelsX(left), 0);
}

void FrmDictionary::SetStrip(StripState state) {
    strip_ = state;
    const platform::ImageControl* source = imgNormal_;
    switch (state) {
        case StripState::Normal: source = imgNormal_; break;
        case StripState::MinHot: source = imgMinH_; break;
        case StripState::MinDown: source = imgMinD_; break;
        case StripState::CloseHot: source = imgCloseH_; break;
        case StripState::CloseDown: source = imgCloseD_; break;
    }
    // The strip shares the hidden image's picture object; nothing is copied.
    if (picN_.Picture() == source->picture) return;
    picN_.SetPicture(source->picture);
    ShowSkinUnderStrip();
}

void FrmDictionary::ShowSkinUnderStrip() {
    // The strip pictures are 20 rows high and picN 25: its lower rows would show picN's own
    // background, a white band across the dark title band. They show the skin behind picN
    // instead, taken from the form's drawing.
    if (!AutoRedraw()) return;  // no skin painted yet
    const platform::PicturePtr& strip = picN_.Picture();
    const int covered = strip ? strip->HeightPixels() : 0;
    const int width = picN_.ClientWidthPixels();
    const int height = picN_.ClientHeightPixels();
    if (covered >= height) return;
    const RECT where = picN_.RectInParent();
    BitBlt(picN_.hDC(), 0, covered, width, height - covered, Image().dc(), where.left, where.top + covered, SRCCOPY);
    picN_.Refresh();
}

void FrmDictionary::Form_MouseMove(const platform::MouseEvent& event) {
    if (event.button == platform::kLeftButton) FormDrag(*this);
    SetStrip(StripState::Normal);
}

void FrmDictionary::DrawCredits() {
    const double belowLastLine = DrawCreditLines(picText_, credits_, creditMeasures_, creditTop_);
    creditTop_ = NextCreditTop(creditTop_, belowLastLine, creditStartTop_);
}

void FrmDictionary::OnDestroyed() {
    // The timer is the thread's, not a child of the form, so destroying the form would not
    // stop it: it is stopped with the form's controls, so that no tick reaches a credits panel
    // that no longer exists.
    reDrawTimer_.Destroy();
    Form::OnDestroyed();
}

void FrmDictionary::cmdApply_Click() { ApplyShutdownTweak(hwnd()); }

void FrmDictionary::cmdHome_Click() { HomepageClick(hwnd()); }

}  // namespace app
