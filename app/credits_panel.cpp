// Measuring the credit lines once and drawing a tick of the block from the measures.
#include "app/credits_panel.h"

#include "app/credit_scroll.h"

namespace app {

void MeasureCreditLines(platform::SurfaceWindow& panel, const CreditTable& credits,
                        std::vector<CreditMeasure>& measures) {
    const auto& lines = credits.CreditLines();
    for (std::size_t i = measures.size(); i < static_cast<std::size_t>(credits.CreditCount()); ++i) {
        const CreditLine& line = lines[i];
        // Measured after the weight is set: bold lines are wider.
        panel.SetFontBold(line.bold);
        measures.push_back(CreditMeasure{panel.TextWidth(line.text), panel.TextHeight(line.text)});
    }
}

double DrawCreditLines(platform::SurfaceWindow& panel, const CreditTable& credits, std::vector<CreditMeasure>& measures,
                       float creditTop) {
    MeasureCreditLines(panel, credits, measures);
    panel.Cls();
    const double innerWidth = panel.ScaleWidth();
    const double innerHeight = panel.ScaleHeight();
    CreditWalk walk(creditTop);
    const auto& lines = credits.CreditLines();
    for (std::size_t i = 0; i < static_cast<std::size_t>(credits.CreditCount()); ++i) {
        const CreditMeasure& measure = measures[i];
        // Every line is placed, shown or not: the lines after it stand below it.
        const double textTop = walk.PlaceLine(measure.height);
        const CreditLine& line = lines[i];
        if (line.text.empty() || !CreditLineShows(textTop, measure.height, innerHeight)) continue;
        panel.SetFontBold(line.bold);
        panel.SetCurrentY(textTop);
        panel.SetCurrentX(CreditCentredLeft(innerWidth, measure.width));
        panel.Print(line.text);
    }
    return walk.Position();
}

double DrawCreditLines(platform::SurfaceWindow& panel, const CreditTable& credits, float creditTop) {
    std::vector<CreditMeasure> measures;
    return DrawCreditLines(panel, credits, measures, creditTop);
}

}  // namespace app
