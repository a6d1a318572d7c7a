#include "tests/settings/power_of_ten_reference.h"

#include <mpfr.h>

namespace scrubwell {

long double ReferencePowerOfTen(long double y)
{
    mpfr_t exponent, power;
    mpfr_inits2(64, exponent, power, static_cast<mpfr_ptr>(nullptr));
    mpfr_set_ld(exponent, y, MPFR_RNDN);
    // The extended format's range: the smallest subnormal is 2^-16445 = 0.5 × 2^-16444.
    const mpfr_exp_t emin = mpfr_get_emin();
    const mpfr_exp_t emax = mpfr_get_emax();
    mpfr_set_emin(-16444);
    mpfr_set_emax(16384);
    int inexact = mpfr_exp10(power, exponent, MPFR_RNDN);
    inexact = mpfr_check_range(power, inexact, MPFR_RNDN);
    mpfr_subnormalize(power, inexact, MPFR_RNDN);
    mpfr_set_emin(emin);
    mpfr_set_emax(emax);
    const long double result = mpfr_get_ld(power, MPFR_RNDN);
    mpfr_clears(exponent, power, static_cast<mpfr_ptr>(nullptr));
    return result;
}

double ReferenceLinearGain(double gainDb)
{
    mpfr_t value;
    mpfr_init2(value, 64);
    mpfr_set_d(value, gainDb, MPFR_RNDN);
    mpfr_div_ui(value, value, 20, MPFR_RNDN);
    mpfr_set_ld(value, ReferencePowerOfTen(mpfr_get_ld(value, MPFR_RNDN)), MPFR_RNDN);
    const double result = mpfr_get_d(value, MPFR_RNDN);
    mpfr_clear(value);
    return result;
}

} // namespace scrubwell
