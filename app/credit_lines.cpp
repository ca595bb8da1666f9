// The credits text: the table of lines with their weights, as the panel shows them.
#include "app/credit_lines.h"

#include "app/home_page.h"

namespace app {

namespace {

struct Row {
    std::wstring_view text;
    bool bold;
};

// The credits as they scroll past. The product lines keep their catalogue numbers, which
// skip 7 and 8 and list number 11 a second time for the newest product.
constexpr Row kCredits[] = {
    {L"Tarnwick!", true},
    {kCreditRule, false},
    {L"(C) Olvenar. All rights reserved.", false},
    {L"Provided as is, without warranty.", false},
    {L"Web: www.olvenar.com", false},
    {kCreditRule, false},
    {L"", false},
    {L"Developed by", false},
    {kCreditRule, false},
    {L"Ilse Varnholt", true},
    {L"Lead Software Developer", false},
    {L"Olvenar", false},
    {kHomePageAddress, false},
    {kCreditRule, false},
    {L"My Products", true},
    {kCreditRule, false},
    {L"1. Tarnwick", false},
    {L"2. Quillmere Notes", false},
    {L"3. Fenlock Guard", false},
    {L"4. Morrowgate Backup", false},
    {L"5. Ashvale Clipboard", false},
    {L"6. Coppice Disk Cleaner", false},
    {L"9. Lantern Screen Saver", false},
    {L"10. Harrowby Renamer", false},
    {L"11. Stillwater Sync", false},
    {L"12. Kestrel Image Viewer", false},
    {L"13. Driftmark Tray Clock", false},
    {L"11. Tallow Startup Manager", false},
    {L"", false},
};

}  // namespace

std::size_t CreditEntries::size() const { return CreditTable::kCapacity; }

const CreditLine& CreditEntries::operator[](std::size_t index) const {
    static const CreditLine kEmpty;
    if (index >= size()) throw CreditIndexOutOfRange();
    return index < stored_->size() ? (*stored_)[index] : kEmpty;
}

void CreditTable::AddCreditLine(std::wstring_view text, bool bold) {
    // Refused whether empty or not: every counted line is drawn, and drawing reads its entry.
    if (CreditCount() >= kCapacity) throw CreditIndexOutOfRange();
    // An empty text leaves its entry empty and regular, whatever `bold` says.
    lines_.push_back(text.empty() ? CreditLine{} : CreditLine{std::wstring(text), bold});
}

void BuildCredits(CreditTable& table) {
    for (const Row& row : kCredits) table.AddCreditLine(row.text, row.bold);
}

}  // namespace app
