#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The text forms in which numbers reach the labels. Each writes into a fixed buffer, so forming a
// label's text allocates nothing; the digits come from integers, so no binary rounding can touch them.
namespace shoewise {

class NumberText {
public:
    NumberText() = default;
    // Copies a fixed text such as the dash shown when no true count exists; longer input is cut.
    explicit NumberText(std::string_view fixed) { append(fixed); }

    std::string_view view() const { return {buffer_.data(), length_}; }
    bool operator==(std::string_view other) const { return view() == other; }

private:
    friend NumberText integerText(std::int64_t);
    friend NumberText decimalText(std::int64_t, int, std::string_view);

    void append(std::string_view part);

    std::array<char, 40> buffer_ {};
    std::size_t length_ = 0;
};

// Decimal integer text: optional "-", digits, no grouping and no plus sign.
NumberText integerText(std::int64_t value);

// The exact decimal text of units / 10^places: trailing zeros of the fraction and a bare separator
// dropped, so 13 with 2 places gives 0.13, -150 gives -1.5, 0 gives 0. The separator is UTF-8 and may
// be longer than one byte.
NumberText decimalText(std::int64_t units, int places, std::string_view decimalSeparator = ".");

// A count in hundredths (the true count) and in eighths (the running count per deck).
inline NumberText hundredthsText(std::int64_t hundredths, std::string_view decimalSeparator = ".")
{
    return decimalText(hundredths, 2, decimalSeparator);
}
inline NumberText eighthsText(std::int64_t eighths, std::string_view decimalSeparator = ".")
{
    return decimalText(eighths * 125, 3, decimalSeparator);  // every eighth ends within three places
}

}  // namespace shoewise
