#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

// Integer helpers of the page code. Positions come from window state that a caller may
// have filled with anything; sums and differences saturate instead of overflowing, and
// indices taken from that state are clamped to the arrays they index.
namespace tavrel::pages {

inline std::int64_t SatAdd(std::int64_t a, std::int64_t b) {
  std::int64_t sum = 0;
  if (__builtin_add_overflow(a, b, &sum)) {
    return b > 0 ? std::numeric_limits<std::int64_t>::max()
                 : std::numeric_limits<std::int64_t>::min();
  }
  return sum;
}

inline std::int64_t SatSub(std::int64_t a, std::int64_t b) {
  std::int64_t difference = 0;
  if (__builtin_sub_overflow(a, b, &difference)) {
    return b < 0 ? std::numeric_limits<std::int64_t>::max()
                 : std::numeric_limits<std::int64_t>::min();
  }
  return difference;
}

// First index of a range over an array whose last index is last: never below 0; past
// the end (last + 1) when the range starts beyond the array.
inline std::int64_t ClampFirst(std::int64_t first, std::int64_t last) {
  return std::clamp<std::int64_t>(first, 0, last + 1);
}

// Last index of such a range: never beyond the array.
inline std::int64_t ClampLast(std::int64_t rangeLast, std::int64_t last) {
  return std::min(rangeLast, last);
}

}  // namespace tavrel::pages
