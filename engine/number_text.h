#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The two text forms in which numbers reach the labels. Both write into a fixed buffer, so forming a
// label's text allocates nothing.
namespace shoewise {

class NumberText {
public:
    NumberText() = default;
    // Copies a fixed text such as the dash shown when no true count exists; longer input is cut.
    explicit NumberText(std::string_view fixed)
        : length_(fixed.size() < 40 ? fixed.size() : 40)
    {
        for (std::size_t i = 0; i < length_; ++i)
            buffer_[i] = fixed[i];
    }

    std::string_view view() const { return {buffer_.data(), length_}; }
    bool operator==(std::string_view other) const { return view() == other; }

private:
    friend NumberText integerText(std::int64_t);
    friend NumberText generalText(double, char);
    friend NumberText hundredthsText(std::int64_t, char);

    std::array<char, 40> buffer_ {};
    std::size_t length_ = 0;
};

// Decimal integer text: optional "-", digits, no grouping and no plus sign.
NumberText integerText(std::int64_t value);

// General number text: the shortest fixed-point form with at most 15 significant digits, trailing
// zeros and a trailing separator dropped; scientific form ("1E-6", "1.5E+20") only when the magnitude
// is below 0.00001 or the integer part needs more than 15 digits. Non-finite values give "NAN", "INF"
// or "-INF".
NumberText generalText(double value, char decimalSeparator = '.');

// The general text of hundredths / 100, formed from the integer so that no binary rounding can touch
// the digits: 13 gives 0.13, -162 gives -1.62, 150 gives 1.5, 0 gives 0.
NumberText hundredthsText(std::int64_t hundredths, char decimalSeparator = '.');

}  // namespace shoewise
