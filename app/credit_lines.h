// The credits panel's lines: a fixed table filled once at start-up, and the lines it is
// filled with. Plain data (no <windows.h>), so it is built and tested natively too.
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// Storing a line past the table's last entry.
class CreditIndexOutOfRange : public std::exception {
public:
    const char* what() const noexcept override { return "the credits table holds 3000 lines"; }
};

struct CreditLine {
    std::wstring text;
    bool bold = false;  // drawn in the bold weight of the panel's font
};

// The entries of a credits table in index order, all of them: those past the stored lines
// are empty regular lines.
class CreditEntries {
public:
    explicit CreditEntries(const std::vector<CreditLine>& stored) : stored_(&stored) {}
    std::size_t size() const;
    // Throws CreditIndexOutOfRange for an index past the table's last entry.
    const CreditLine& operator[](std::size_t index) const;

private:
    const std::vector<CreditLine>* stored_;
};

class CreditTable {
public:
    static constexpr std::int32_t kCapacity = 3000;

    // Counts the line and stores it in the next entry; an empty text is counted but not
    // stored, so its entry stays empty and regular. A line beyond the last entry throws
    // CreditIndexOutOfRange and changes nothing.
    void AddCreditLine(std::wstring_view text, bool bold);

    // All kCapacity entries; the first CreditCount() are the lines shown.
    CreditEntries CreditLines() const { return CreditEntries(lines_); }
    std::int32_t CreditCount() const { return static_cast<std::int32_t>(lines_.size()); }

private:
    // The entries up to the last counted line. The rest of the table is empty, so it is not
    // kept: 3000 entries would take 120 KB for the 29 lines the program shows.
    std::vector<CreditLine> lines_;
};

// The separator between the credits' sections.
inline constexpr std::wstring_view kCreditRule = L"--------------------------------------------------";

// Appends the program's 29 credit lines in display order.
void BuildCredits(CreditTable& table);

}  // namespace app
