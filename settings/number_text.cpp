#include "settings/number_text.h"

#include <cmath>
#include <cstdint>

namespace scrubwell {
namespace {

constexpr int kSignificantDigits = 15;
constexpr uint32_t kLimbBase = 1000000000; // nine decimal digits per limb
// Enough limbs for the exact expansion of any long double: the smallest
// subnormal has some 11560 significant decimal digits.
constexpr int kMaxLimbs = 1300;

// An unsigned integer of up to kMaxLimbs limbs in base 10^9, least
// significant limb first.
class DecimalInteger {
public:
    explicit DecimalInteger(uint64_t value)
    {
        do {
            limbs_[count_++] = static_cast<uint32_t>(value % kLimbBase);
            value /= kLimbBase;
        } while (value != 0);
    }

    void MultiplyBy(uint32_t factor) // factor below 2^31
    {
        uint64_t carry = 0;
        for (int i = 0; i < count_; ++i) {
            const uint64_t product = uint64_t { limbs_[i] } * factor + carry;
            limbs_[i] = static_cast<uint32_t>(product % kLimbBase);
            carry = product / kLimbBase;
        }
        while (carry != 0 && count_ < kMaxLimbs) {
            limbs_[count_++] = static_cast<uint32_t>(carry % kLimbBase);
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

    int LimbCount() const { return count_; }
    uint32_t Limb(int index) const { return limbs_[index]; }

private:
    uint32_t limbs_[kMaxLimbs];
    int count_ = 0;
};

// The leading digits of the exact decimal expansion of a finite, positive
// value: the value is 0.d1d2... times 10^pointPosition; the digits after
// those kept are summed up by whether any of them is non-zero.
struct DecimalExpansion {
    static constexpr int kKept = kSignificantDigits + 1;
    char digits[kKept];
    int count;
    bool restNonZero;
    int pointPosition;
};

// Appends the decimal digits of a limb, padded to nine when not the leading one.
void AppendLimb(DecimalExpansion& expansion, uint32_t limb, bool leading)
{
    char reversed[9];
    int length = 0;
    do {
        reversed[length++] = static_cast<char>('0' + limb % 10);
        limb /= 10;
    } while (limb != 0);
    while (!leading && length < 9)
        reversed[length++] = '0';
    while (length > 0) {
        const char digit = reversed[--length];
        if (expansion.count < DecimalExpansion::kKept)
            expansion.digits[expansion.count++] = digit;
        else if (digit != '0')
            expansion.restNonZero = true;
    }
}

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
    DecimalExpansion expansion {};
    const int top = integer.LimbCount() - 1;
    AppendLimb(expansion, integer.Limb(top), true);
    const int leadingDigits = expansion.count;
    // Three limbs give at least kKept digits; below them only non-zero matters.
    for (int i = top - 1; i >= 0; --i) {
        if (i >= top - 2)
            AppendLimb(expansion, integer.Limb(i), false);
        else if (integer.Limb(i) != 0)
            expansion.restNonZero = true;
    }
    expansion.pointPosition = leadingDigits + 9 * top + decimalShift;
    return expansion;
}

// Rounds to kSignificantDigits digits, halves to even, and drops trailing zeros.
void RoundToSignificantDigits(DecimalExpansion& expansion)
{
    char* digits = expansion.digits;
    if (expansion.count > kSignificantDigits) {
        const char next = digits[kSignificantDigits];
        const bool lastOdd = (digits[kSignificantDigits - 1] - '0') % 2 != 0;
        const bool roundUp = next > '5' || (next == '5' && (expansion.restNonZero || lastOdd));
        expansion.count = kSignificantDigits;
        if (roundUp) {
            int i = kSignificantDigits - 1;
            while (i >= 0 && digits[i] == '9')
                digits[i--] = '0';
            if (i >= 0) {
                ++digits[i];
            } else {
                // 999...9 rounded up: 1 followed by zeros, one place further left.
                digits[0] = '1';
                ++expansion.pointPosition;
            }
        }
    }
    while (expansion.count > 1 && digits[expansion.count - 1] == '0')
        --expansion.count;
}

void AppendDigits(ShortText& text, const char* digits, int count)
{
    for (int i = 0; i < count; ++i)
        text.Append(digits[i]);
}

ShortText IntegerText(int value)
{
    char reversed[12];
    int length = 0;
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
        reversed[length++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    ShortText text;
    if (value < 0)
        text.Append('-');
    while (length > 0)
        text.Append(reversed[--length]);
    return text;
}

} // namespace

ShortText FormatNumber(long double value, const char* decimalSeparator)
{
    if (std::isnan(value))
        return ShortText("NAN");
    if (std::isinf(value))
        return ShortText(value < 0 ? "-INF" : "INF");
    if (value == 0)
        return ShortText("0");

    ShortText text;
    if (value < 0)
        text.Append('-');
    DecimalExpansion expansion = ExpandExactly(std::fabs(value));
    RoundToSignificantDigits(expansion);
    const char* digits = expansion.digits;
    const int count = expansion.count;
    const int exponent = expansion.pointPosition - 1; // of the first digit

    if (exponent < -4 || exponent >= kSignificantDigits) {
        text.Append(digits[0]);
        if (count > 1) {
            text.Append(decimalSeparator);
            AppendDigits(text, digits + 1, count - 1);
        }
        text.Append('E');
        text.Append(IntegerText(exponent).c_str());
    } else if (exponent < 0) {
        text.Append('0');
        text.Append(decimalSeparator);
        text.Append('0', static_cast<size_t>(-exponent - 1));
        AppendDigits(text, digits, count);
    } else {
        const int integerDigits = exponent + 1;
        if (count <= integerDigits) {
            AppendDigits(text, digits, count);
            text.Append('0', static_cast<size_t>(integerDigits - count));
        } else {
            AppendDigits(text, digits, integerDigits);
            text.Append(decimalSeparator);
            AppendDigits(text, digits + integerDigits, count - integerDigits);
        }
    }
    return text;
}

} // namespace scrubwell
