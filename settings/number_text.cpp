#include "settings/number_text.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace scrubwell {
namespace {

constexpr int kSignificantDigits = 15;
constexpr uint32_t kLimbBase = 1000000000; // nine decimal digits per limb

// An unsigned integer of any size in base 10^9, least significant limb first.
class DecimalInteger {
public:
    explicit DecimalInteger(uint64_t value)
    {
        do {
            limbs_.push_back(static_cast<uint32_t>(value % kLimbBase));
            value /= kLimbBase;
        } while (value != 0);
    }

    void MultiplyBy(uint32_t factor) // factor below 2^31
    {
        uint64_t carry = 0;
        for (uint32_t& limb : limbs_) {
            const uint64_t product = uint64_t { limb } * factor + carry;
            limb = static_cast<uint32_t>(product % kLimbBase);
            carry = product / kLimbBase;
        }
        while (carry != 0) {
            limbs_.push_back(static_cast<uint32_t>(carry % kLimbBase));
            carry /= kLimbBase;
        }
    }

    void MultiplyByPower(uint32_t base, uint32_t chunk, int chunkExponent, int exponent)
    {
        for (; exponent >= chunkExponent; exponent -= chunkExponent)
            MultiplyBy(chunk);
        for (; exponent > 0; --exponent)
            MultiplyBy(base);
    }

    std::string Digits() const
    {
        std::string text = std::to_string(limbs_.back());
        for (auto limb = limbs_.rbegin() + 1; limb != limbs_.rend(); ++limb) {
            const std::string part = std::to_string(*limb);
            text.append(9 - part.size(), '0');
            text += part;
        }
        return text;
    }

private:
    std::vector<uint32_t> limbs_;
};

// The exact decimal expansion of a finite, positive value: digits d1 d2 ...
// with the value equal to 0.d1d2... times 10^pointPosition.
struct DecimalExpansion {
    std::string digits;
    int pointPosition;
};

DecimalExpansion ExpandExactly(long double value)
{
    int binaryExponent = 0;
    const long double fraction = std::frexp(value, &binaryExponent); // in [0.5, 1)
    const uint64_t significand = static_cast<uint64_t>(std::ldexp(fraction, 64));
    binaryExponent -= 64; // value = significand * 2^binaryExponent

    DecimalInteger integer(significand);
    int decimalShift = 0;
    if (binaryExponent >= 0) {
        integer.MultiplyByPower(2, 1u << 30, 30, binaryExponent);
    } else {
        // significand / 2^n = significand * 5^n / 10^n
        integer.MultiplyByPower(5, 1220703125u /* 5^13 */, 13, -binaryExponent);
        decimalShift = binaryExponent;
    }
    DecimalExpansion expansion { integer.Digits(), 0 };
    expansion.pointPosition = static_cast<int>(expansion.digits.size()) + decimalShift;
    return expansion;
}

// Rounds to kSignificantDigits digits, halves to even, and drops trailing zeros.
void RoundToSignificantDigits(DecimalExpansion& expansion)
{
    std::string& digits = expansion.digits;
    if (digits.size() > kSignificantDigits) {
        const char next = digits[kSignificantDigits];
        const bool restNonZero = digits.find_first_not_of('0', kSignificantDigits + 1) != std::string::npos;
        const bool lastOdd = (digits[kSignificantDigits - 1] - '0') % 2 != 0;
        const bool roundUp = next > '5' || (next == '5' && (restNonZero || lastOdd));
        digits.resize(kSignificantDigits);
        if (roundUp) {
            int i = kSignificantDigits - 1;
            while (i >= 0 && digits[i] == '9')
                digits[i--] = '0';
            if (i >= 0) {
                ++digits[i];
            } else {
                digits.insert(digits.begin(), '1');
                digits.pop_back();
                ++expansion.pointPosition;
            }
        }
    }
    const size_t last = digits.find_last_not_of('0');
    digits.resize(last == std::string::npos ? 1 : last + 1);
}

} // namespace

std::string NumberText(long double value, std::string_view decimalSeparator)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";

    std::string text = value < 0 ? "-" : "";
    DecimalExpansion expansion = ExpandExactly(std::fabs(value));
    RoundToSignificantDigits(expansion);
    const std::string& digits = expansion.digits;
    const int exponent = expansion.pointPosition - 1; // of the first digit

    if (exponent < -4 || exponent >= kSignificantDigits) {
        text += digits[0];
        if (digits.size() > 1) {
            text += decimalSeparator;
            text.append(digits, 1);
        }
        text += 'E';
        text += std::to_string(exponent);
    } else if (exponent < 0) {
        text += '0';
        text += decimalSeparator;
        text.append(static_cast<size_t>(-exponent - 1), '0');
        text += digits;
    } else {
        const size_t integerDigits = static_cast<size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            text += digits;
            text.append(integerDigits - digits.size(), '0');
        } else {
            text.append(digits, 0, integerDigits);
            text += decimalSeparator;
            text.append(digits, integerDigits);
        }
    }
    return text;
}

} // namespace scrubwell
