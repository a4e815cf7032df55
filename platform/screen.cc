#include "platform/screen.h"

#include <cmath>
#include <limits>

namespace tessaly {

int32_t RoundHalfEven(double value) {
  // The halves are settled here rather than by the floating-point rounding
  // mode, which a host program may have changed.
  if (std::isnan(value)) return 0;
  double whole = std::floor(value);
  const double fraction = value - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  if (whole <= std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  if (whole >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(whole);
}

int32_t Px(double points, int32_t pixels_per_inch) {
  // Multiplying before dividing keeps whole points and whole pixels per inch
  // exact, so that a result of exactly one half is seen as one.
  return RoundHalfEven(points * pixels_per_inch / 72.0);
}

}  // namespace tessaly
