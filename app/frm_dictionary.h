// The main window: its controls as stored, the start-up sequence, resize handling, the
// minimise/close strip, dragging by the body, and the handlers of the two buttons.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "app/credit_lines.h"
#include "app/credits_panel.h"
#include "app/main_window_accessible.h"
#include "app/main_window_layout.h"
#include "controls/aerobutton/aero_button.h"
#include "platform/control_host.h"
#include "platform/form.h"
#include "platform/gdi_owner.h"
#include "platform/timer.h"

namespace app {

// Which strip picture picN shows.
enum class StripState { Normal, MinHot, MinDown, CloseHot, CloseDown };

class FrmDictionary : public platform::Form {
public:
    // Creates the window and its controls from the stored definition, hidden.
    FrmDictionary();

    // The load handler: the start-up sequence, run before the window is first shown.
    void Load();
    // Shows the window centred; its first showing runs the resize handling. Focus goes to
    // the control with the lowest tab index.
    void Show();

    StripState Strip() const { return strip_; }
    void SetStrip(StripState state);

    platform::PictureBox& picN() { return picN_; }
    platform::PictureBox& pTop() { return pTop_; }
    platform::PictureBox& PicText() { return picText_; }
    platform::ImageControl& btnMin() { return *btnMin_; }
    platform::ImageControl& btnClose() { return *btnClose_; }
    platform::ImageControl& Image1() { return *image1_; }
    platform::Timer& ReDrawTimer() { return reDrawTimer_; }
    aerobutton::AeroButton& cmdApply() { return *cmdApply_; }
    aerobutton::AeroButton& cmdHome() { return *cmdHome_; }
    platform::ControlHost& Host() { return *host_; }

    // The credits scroller: the table of lines, the block's top in PicText (pixels) and the
    // top it starts each pass from.
    CreditEntries CreditLines() const { return credits_.CreditLines(); }
    std::int32_t CreditCount() const { return credits_.CreditCount(); }
    float CreditTop() const { return creditTop_; }
    std::int32_t CreditStartTop() const { return creditStartTop_; }
    // One tick of ReDrawTimer: draws the credits at CreditTop and moves them up a pixel, or
    // back below the panel once they have left it.
    void DrawCredits();

    // Handlers of the two buttons' Click events.
    void cmdApply_Click();
    void cmdHome_Click();

protected:
    void OnDestroyed() override;

private:
    void CreateControls();
    void ArrangeTabOrder();
    std::unique_ptr<aerobutton::AeroButton> CreateButton(const wchar_t* name, const layout::TwipsRect& where,
                                                         const wchar_t* caption, void (FrmDictionary::*click)());
    void ResizeHandling();
    void PlacePicN();
    void ShowSkinUnderStrip();
    void Form_MouseMove(const platform::MouseEvent& event);

    platform::Timer reDrawTimer_;
    platform::PictureBox picN_;
    platform::ImageControl* btnClose_ = nullptr;
    platform::ImageControl* btnMin_ = nullptr;
    platform::PictureBox pTop_;
    platform::ImageControl* imgMinD_ = nullptr;
    platform::ImageControl* imgMinH_ = nullptr;
    platform::ImageControl* imgCloseH_ = nullptr;
    platform::ImageControl* imgCloseD_ = nullptr;
    platform::ImageControl* imgNormal_ = nullptr;
    std::unique_ptr<platform::ControlHost> host_;  // before the buttons, which use its sites
    std::unique_ptr<aerobutton::AeroButton> cmdHome_;
    std::unique_ptr<aerobutton::AeroButton> cmdApply_;
    platform::PictureBox picText_;
    platform::ImageControl* image1_ = nullptr;

    CreditTable credits_;
    std::vector<CreditMeasure> creditMeasures_;  // each line's extent, measured once built
    float creditTop_ = 0;
    std::int32_t creditStartTop_ = 0;

    StripState strip_ = StripState::Normal;

    // What the strip and the credits panel tell accessibility clients; their windows are
    // gone, and the objects disconnected, before this goes.
    MainWindowAccessible accessible_{*this};
};

}  // namespace app
