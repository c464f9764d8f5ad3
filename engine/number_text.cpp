#include "engine/number_text.h"

#include <algorithm>
#include <charconv>

namespace shoewise {

void NumberText::append(std::string_view part)
{
    const std::size_t room = buffer_.size() - length_;
    const std::size_t count = std::min(part.size(), room);
    std::copy_n(part.begin(), count, buffer_.begin() + length_);
    length_ += count;
}

NumberText integerText(std::int64_t value)
{
    NumberText text;
    auto [end, ec] = std::to_chars(text.buffer_.data(), text.buffer_.data() + text.buffer_.size(), value);
    text.length_ = ec == std::errc {} ? static_cast<std::size_t>(end - text.buffer_.data()) : 0;
    return text;
}

NumberText decimalText(std::int64_t units, int places, std::string_view decimalSeparator)
{
    NumberText text;
    if (units < 0)
        text.append("-");
    const std::uint64_t magnitude
        = units < 0 ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
    std::uint64_t scale = 1;
    for (int i = 0; i < places; ++i)
        scale *= 10;
    std::array<char, 24> digits {};
    auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), magnitude / scale);
    text.append({digits.data(), ec == std::errc {} ? static_cast<std::size_t>(end - digits.data()) : 0});

    std::uint64_t fraction = magnitude % scale;
    if (fraction == 0)
        return text;
    std::array<char, 20> fractionDigits {};  // enough for any place count a 64-bit scale allows
    auto count = static_cast<std::size_t>(places);
    for (std::size_t i = count; i-- > 0; fraction /= 10)
        fractionDigits[i] = static_cast<char>('0' + fraction % 10);
    while (fractionDigits[count - 1] == '0')
        --count;
    text.append(decimalSeparator);
    text.append({fractionDigits.data(), count});
    return text;
}

}  // namespace shoewise
