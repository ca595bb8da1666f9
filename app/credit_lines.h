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

class CreditTable {
public:
    static constexpr std::int32_t kCapacity = 3000;

    CreditTable();

    // Counts the line and stores it in the next entry; an empty text is counted but not
    // stored, so its entry stays empty and regular. A line beyond the last entry throws
    // CreditIndexOutOfRange and changes nothing.
    void AddCreditLine(std::wstring_view text, bool bold);

    // All kCapacity entries; the first CreditCount() are the lines shown.
    const std::vector<CreditLine>& CreditLines() const { return lines_; }
    std::int32_t CreditCount() const { return count_; }

private:
    std::vector<CreditLine> lines_;
    std::int32_t count_ = 0;
};

// The separator between the credits' sections.
inline constexpr std::wstring_view kCreditRule = L"--------------------------------------------------";

// Appends the program's 29 credit lines in display order.
void BuildCredits(CreditTable& table);

}  // namespace app
