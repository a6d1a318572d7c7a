#include "settings/power_of_ten.h"

#include <cstdint>
#include <cstring>
#include <limits>

namespace scrubwell {
namespace {

static_assert(std::numeric_limits<long double>::digits == 64, "long double is the x87 extended format");

// The work is done on fixed-point numbers of 32-bit words, most significant
// first: word 0 holds the integer part, words 1..n the fraction. Integer
// arithmetic has exact error bounds and gives the same bits on every build.
// A first attempt with 128 fraction bits decides the rounding unless 10^y lies
// within about 2^-56 units in the last place of a midpoint between two
// extended numbers; then 512 bits decide it down to some 2^-440 units. No
// input gives a midpoint (10^y is irrational for non-integer y, and the
// integer powers that are not exact need more than 65 bits), and the 2^72 or
// so inputs are expected to come no closer to one than about 2^-80 units.
constexpr int kFirstFractionWords = 4;
constexpr int kLastFractionWords = 16;
constexpr int kConstantWords = 19; // integer word and 576 fraction bits
constexpr int kConstantFractionBits = 32 * (kConstantWords - 1);

// log2(10) and ln(2), truncated.
constexpr uint32_t kLog2Of10[kConstantWords] = { 0x00000003, 0x5269e12f, 0x346e2bf9, 0x24afdbfd, 0x36bf6d33, 0x65b157f8,
    0xdeceb53a, 0x46dab202, 0x0b9e1674, 0x19943f7a, 0x77547ce8, 0xf892faad, 0x8eb42f58, 0x50d7b920, 0x15972953,
    0x3fc58b35, 0x3d80ce07, 0xd93e5b05, 0xf66d7537 };
constexpr uint32_t kLn2[kConstantWords] = { 0x00000000, 0xb17217f7, 0xd1cf79ab, 0xc9e3b398, 0x03f2f6af, 0x40f34326,
    0x7298b62d, 0x8a0d175b, 0x8baafa2b, 0xe7b87620, 0x6debac98, 0x559552fb, 0x4afa1b10, 0xed2eae35, 0xc1382144,
    0x27573b29, 0x1169b825, 0x3e96ca16, 0x224ae8c5 };

constexpr int kExponentBias = 16383;
constexpr int kMaxExponentField = 0x7FFF;
constexpr int kMinNormalExponent = 1 - kExponentBias; // -16382
constexpr uint64_t kIntegerBit = uint64_t { 1 } << 63;

struct Fixed {
    uint32_t word[kLastFractionWords + 1];
};

// p := a × b exactly; p has na + nb words.
void MultiplyWords(const uint32_t* a, int na, const uint32_t* b, int nb, uint32_t* p)
{
    for (int k = 0; k < na + nb; ++k)
        p[k] = 0;
    for (int i = na - 1; i >= 0; --i) {
        uint64_t carry = 0;
        for (int j = nb - 1; j >= 0; --j) {
            const uint64_t sum = static_cast<uint64_t>(a[i]) * b[j] + p[i + j + 1] + carry;
            p[i + j + 1] = static_cast<uint32_t>(sum);
            carry = sum >> 32;
        }
        p[i] = static_cast<uint32_t>(carry);
    }
}

// a := a × b with n fraction words, cut below the last (an error under one unit of it).
void Multiply(Fixed& a, const uint32_t* b, int n)
{
    uint32_t product[2 * (kLastFractionWords + 1)];
    MultiplyWords(a.word, n + 1, b, n + 1, product);
    for (int k = 0; k <= n; ++k)
        a.word[k] = product[k + 1];
}

// a := a / divisor, cut below the last word.
void Divide(Fixed& a, uint32_t divisor, int n)
{
    uint64_t remainder = 0;
    for (int k = 0; k <= n; ++k) {
        const uint64_t dividend = remainder << 32 | a.word[k];
        a.word[k] = static_cast<uint32_t>(dividend / divisor);
        remainder = dividend % divisor;
    }
}

void Add(Fixed& a, const Fixed& b, int n)
{
    uint64_t carry = 0;
    for (int k = n; k >= 0; --k) {
        const uint64_t sum = uint64_t { a.word[k] } + b.word[k] + carry;
        a.word[k] = static_cast<uint32_t>(sum);
        carry = sum >> 32;
    }
}

bool IsZero(const Fixed& a, int n)
{
    for (int k = 0; k <= n; ++k)
        if (a.word[k] != 0)
            return false;
    return true;
}

// The 32 bits of the count-word number w from bit `bit` up (bit 0 is the
// lowest of the last word); bits above the top read as zero.
uint32_t Bits32(const uint32_t* w, int count, int bit)
{
    const int index = count - 1 - bit / 32;
    const int shift = bit % 32;
    const uint32_t low = index >= 0 ? w[index] >> shift : 0;
    const uint32_t high = index >= 1 && shift != 0 ? w[index - 1] << (32 - shift) : 0;
    return low | high;
}

// Adds `value` at bit `bit` of the count-word number w.
void AddAt(uint32_t* w, int count, int bit, uint32_t value)
{
    uint64_t carry = uint64_t { value } << (bit % 32);
    for (int k = count - 1 - bit / 32; k >= 0 && carry != 0; --k) {
        carry += w[k];
        w[k] = static_cast<uint32_t>(carry);
        carry >>= 32;
    }
}

// v shifted right by `shift` bits and rounded, halves up: the significand it
// gives and whether it reached 2^64.
struct Rounded {
    uint64_t significand;
    bool carry;
    bool operator==(const Rounded& other) const { return significand == other.significand && carry == other.carry; }
};

Rounded RoundAt(const uint32_t* v, int count, int shift)
{
    uint32_t w[kLastFractionWords + 1];
    std::memcpy(w, v, sizeof(uint32_t) * count);
    AddAt(w, count, shift - 1, 1);
    return { uint64_t { Bits32(w, count, shift + 32) } << 32 | Bits32(w, count, shift),
        (Bits32(w, count, shift + 64) & 1) != 0 };
}

long double FromBits(uint16_t signExponent, uint64_t significand)
{
    long double value = 0;
    std::memcpy(&value, &significand, sizeof significand);
    std::memcpy(reinterpret_cast<unsigned char*>(&value) + sizeof significand, &signExponent, sizeof signExponent);
    return value;
}

long double Infinity()
{
    return FromBits(kMaxExponentField, kIntegerBit);
}

// One attempt at n fraction words for y = ±m × 2^-scale: sets the result and
// returns whether the error bound allows only one rounding.
bool TryPowerOfTen(uint64_t m, int scale, bool negative, int n, long double& result)
{
    // t = |y| log2(10) = m × log2(10) × 2^-scale, cut below n fraction words.
    const uint32_t mWords[2] = { static_cast<uint32_t>(m >> 32), static_cast<uint32_t>(m) };
    uint32_t product[kConstantWords + 2];
    MultiplyWords(mWords, 2, kLog2Of10, kConstantWords, product);
    Fixed t;
    for (int k = 0; k <= n; ++k)
        t.word[k] = Bits32(product, kConstantWords + 2, kConstantFractionBits + scale - 32 * k);

    // 10^y = 2^e × 2^r with e an integer and r in [0, 1).
    int e = static_cast<int>(t.word[0]);
    Fixed r = t;
    r.word[0] = 0;
    if (negative) {
        e = -e;
        if (!IsZero(r, n)) {
            --e;
            for (int k = 1; k <= n; ++k)
                r.word[k] = ~r.word[k];
            AddAt(r.word, n + 1, 0, 1);
        }
    }

    // The bits of 2^r that the format keeps below the integer bit: 63, fewer
    // for a subnormal result.
    const int kept = e < kMinNormalExponent ? 63 + e - kMinNormalExponent : 63;
    if (kept < -1) {
        result = 0.0L; // below half the smallest subnormal
        return true;
    }

    // 2^r = e^x with x = r ln 2 in [0, 0.7), by its Taylor series.
    Fixed x = r;
    Multiply(x, kLn2, n);
    Fixed sum = x;
    sum.word[0] += 1;
    Fixed term = x;
    int terms = 2;
    for (;; ++terms) {
        Multiply(term, x.word, n);
        Divide(term, static_cast<uint32_t>(terms), n);
        if (IsZero(term, n))
            break;
        Add(sum, term, n);
    }
    // Each term is off by under 4 units of the last word, the tail after the
    // last under 8, x by 3 (which moves 2^r by 6).
    const uint32_t errorBound = 8 * static_cast<uint32_t>(terms + 4);
    // A sum of 2 or more: 2^r lies within the bound below 2 and rounds to 2, as
    // the largest fixed number below 2 does.
    if (sum.word[0] >= 2) {
        sum.word[0] = 1;
        for (int k = 1; k <= n; ++k)
            sum.word[k] = 0xFFFFFFFF;
    }

    // The rounding is decided when the ends of the error interval round alike.
    const int shift = 32 * n - kept;
    Fixed low = sum; // sum - errorBound; sum >= 1 keeps it positive
    uint32_t borrow = errorBound;
    for (int k = n; k >= 0 && borrow != 0; --k) {
        const uint32_t before = low.word[k];
        low.word[k] = before - borrow;
        borrow = before < borrow ? 1 : 0;
    }
    Fixed high = sum;
    AddAt(high.word, n + 1, 0, errorBound);
    const Rounded rounded = RoundAt(low.word, n + 1, shift);
    const bool decided = rounded == RoundAt(high.word, n + 1, shift);

    if (kept < 63) { // subnormal: the significand counts units of 2^-16445
        const uint64_t significand = rounded.significand;
        result = FromBits(significand >= kIntegerBit ? 1 : 0, significand);
        return decided;
    }
    int exponentField = e + kExponentBias;
    uint64_t significand = rounded.significand;
    if (rounded.carry) {
        significand = kIntegerBit;
        ++exponentField;
    }
    result
        = exponentField >= kMaxExponentField ? Infinity() : FromBits(static_cast<uint16_t>(exponentField), significand);
    return decided;
}

} // namespace

long double PowerOfTen(long double y)
{
    uint64_t m;
    uint16_t signExponent;
    std::memcpy(&m, &y, sizeof m);
    std::memcpy(&signExponent, reinterpret_cast<const unsigned char*>(&y) + sizeof m, sizeof signExponent);
    const bool negative = (signExponent & 0x8000) != 0;
    const int exponentField = signExponent & 0x7FFF;

    if (exponentField == kMaxExponentField) {
        if (m << 1 != 0)
            return y; // NaN
        return negative ? 0.0L : Infinity();
    }
    // |y| < 2^-68: 10^y is within 2^-66 of 1, nearer to 1 than to either neighbour.
    if (exponentField < kExponentBias - 68 || m == 0)
        return 1.0L;
    // |y| >= 8192: far beyond the format's range.
    if (exponentField >= kExponentBias + 13)
        return negative ? 0.0L : Infinity();

    const int scale = kExponentBias + 63 - exponentField; // |y| = m × 2^-scale, scale in 51..131
    long double result;
    if (!TryPowerOfTen(m, scale, negative, kFirstFractionWords, result))
        TryPowerOfTen(m, scale, negative, kLastFractionWords, result);
    return result;
}

} // namespace scrubwell
