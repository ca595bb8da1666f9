#include "app/credits_panel.h"

#include "app/credit_scroll.h"

namespace app {

double DrawCreditLines(platform::SurfaceWindow& panel, const CreditTable& credits, float creditTop) {
    panel.Cls();
    CreditWalk walk(creditTop);
    const auto& lines = credits.CreditLines();
    for (std::int32_t i = 0; i < credits.CreditCount(); ++i) {
        const CreditLine& line = lines[static_cast<std::size_t>(i)];
        // Width and height are measured after the weight is set: bold lines are wider.
        panel.SetFontBold(line.bold);
        panel.SetCurrentY(walk.PlaceLine(panel.TextHeight(line.text)));
        panel.SetCurrentX(CreditCentredLeft(panel.ScaleWidth(), panel.TextWidth(line.text)));
        panel.Print(line.text);
    }
    return walk.Position();
}

}  // namespace app
