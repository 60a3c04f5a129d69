#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// The numeric helpers every layer uses, with one meaning for infinities and NaN.
namespace tavrel {

// Nearest whole number, halves away from zero; infinities and NaN pass unchanged.
inline double Round(double x) {
  return std::round(x);
}

inline double Floor(double x) {
  return std::floor(x);
}

inline double Abs(double x) {
  return std::fabs(x);
}

inline double Pow(double base, double exponent) {
  return std::pow(base, exponent);
}

// The smaller of a and b; Min(a, +inf) = a. Where one is NaN, the other.
inline double Min(double a, double b) {
  if (std::isnan(a))
    return b;
  if (std::isnan(b))
    return a;
  return b < a ? b : a;
}

// The larger of a and b. Where one is NaN, the other.
inline double Max(double a, double b) {
  if (std::isnan(a))
    return b;
  if (std::isnan(b))
    return a;
  return b > a ? b : a;
}

// v truncated toward zero to a 64-bit integer. Values beyond the range saturate and
// NaN gives 0: a conversion that does not fit would be undefined behaviour.
inline std::int64_t Int(double v) {
  constexpr double kLimit = 9223372036854775808.0;  // 2^63, exactly representable
  if (std::isnan(v))
    return 0;
  if (v >= kLimit)
    return std::numeric_limits<std::int64_t>::max();
  if (v <= -kLimit)
    return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(v);
}

// a × b in 64 bits, saturated at the limits instead of overflowing.
inline std::int64_t SaturatingMultiply(std::int64_t a, std::int64_t b) {
  std::int64_t product = 0;
  if (__builtin_mul_overflow(a, b, &product)) {
    return (a < 0) != (b < 0) ? std::numeric_limits<std::int64_t>::min()
                              : std::numeric_limits<std::int64_t>::max();
  }
  return product;
}

}  // namespace tavrel
