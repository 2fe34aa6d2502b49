#include "viewtypes.h"

#include <cstdint>

int MulDiv(int value, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    // Rounded half away from zero, as the platform's MulDiv does.
    const int64_t product = int64_t(value) * numerator;
    const bool negative = (product < 0) != (denominator < 0);
    const int64_t a = product < 0 ? -product : product;
    const int64_t d = denominator < 0 ? -int64_t(denominator) : denominator;
    const int64_t q = (a + d / 2) / d;
    return int(negative ? -q : q);
}
