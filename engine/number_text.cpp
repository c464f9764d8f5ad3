#include "engine/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace shoewise {

NumberText integerText(std::int64_t value)
{
    NumberText text;
    auto [end, ec] = std::to_chars(text.buffer_.data(), text.buffer_.data() + text.buffer_.size(), value);
    text.length_ = ec == std::errc {} ? static_cast<std::size_t>(end - text.buffer_.data()) : 0;
    return text;
}

NumberText generalText(double value, char decimalSeparator)
{
    NumberText text;
    char* out = text.buffer_.data();
    auto put = [&](std::string_view s) {
        std::memcpy(out, s.data(), s.size());
        out += s.size();
    };
    auto finish = [&] {
        text.length_ = static_cast<std::size_t>(out - text.buffer_.data());
        return text;
    };

    if (std::isnan(value)) {
        put("NAN");
        return finish();
    }
    if (std::isinf(value)) {
        put(value < 0 ? "-INF" : "INF");
        return finish();
    }
    if (value == 0.0) {  // also -0.0: a zero never carries a sign
        put("0");
        return finish();
    }

    // Round to 15 significant digits once; the digits and the decimal exponent come from that.
    std::array<char, 32> sci {};
    auto [sciEnd, ec]
        = std::to_chars(sci.data(), sci.data() + sci.size(), std::fabs(value), std::chars_format::scientific, 14);
    if (ec != std::errc {}) {
        put("0");
        return finish();
    }
    // sci holds "d.ddddddddddddddde[+-]xx".
    const char* ePos
        = static_cast<const char*>(std::memchr(sci.data(), 'e', static_cast<std::size_t>(sciEnd - sci.data())));
    int exponent = 0;
    std::from_chars(ePos + 1 + (ePos[1] == '+' ? 1 : 0), sciEnd, exponent);
    std::array<char, 15> digits {};
    std::size_t digitCount = 0;
    for (const char* p = sci.data(); p < ePos; ++p)
        if (*p != '.')
            digits[digitCount++] = *p;
    while (digitCount > 1 && digits[digitCount - 1] == '0')
        --digitCount;

    if (value < 0)
        put("-");

    if (exponent < -5 || exponent >= 15) {
        put({digits.data(), 1});
        if (digitCount > 1) {
            *out++ = decimalSeparator;
            put({digits.data() + 1, digitCount - 1});
        }
        *out++ = 'E';
        *out++ = exponent < 0 ? '-' : '+';
        auto [expEnd, expEc] = std::to_chars(out, text.buffer_.data() + text.buffer_.size(), std::abs(exponent));
        out = expEc == std::errc {} ? expEnd : out;
        return finish();
    }

    if (exponent < 0) {
        put("0");
        *out++ = decimalSeparator;
        for (int i = -1; i > exponent; --i)
            *out++ = '0';
        put({digits.data(), digitCount});
        return finish();
    }

    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    for (std::size_t i = 0; i < integerDigits; ++i)
        *out++ = i < digitCount ? digits[i] : '0';
    if (digitCount > integerDigits) {
        *out++ = decimalSeparator;
        put({digits.data() + integerDigits, digitCount - integerDigits});
    }
    return finish();
}

NumberText hundredthsText(std::int64_t hundredths, char decimalSeparator)
{
    NumberText text;
    char* out = text.buffer_.data();
    if (hundredths < 0)
        *out++ = '-';
    const std::uint64_t magnitude
        = hundredths < 0 ? 0 - static_cast<std::uint64_t>(hundredths) : static_cast<std::uint64_t>(hundredths);
    auto [end, ec] = std::to_chars(out, text.buffer_.data() + 24, magnitude / 100);
    out = ec == std::errc {} ? end : out;
    const auto fraction = static_cast<unsigned>(magnitude % 100);
    if (fraction != 0) {
        *out++ = decimalSeparator;
        *out++ = static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0)
            *out++ = static_cast<char>('0' + fraction % 10);
    }
    text.length_ = static_cast<std::size_t>(out - text.buffer_.data());
    return text;
}

}  // namespace shoewise
