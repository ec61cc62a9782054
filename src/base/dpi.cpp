#include "base/dpi.h"

namespace vantrel::base {

int scale_length(int length, int dpi) {
  if (dpi <= 0 || dpi == kDesignDpi) return length;
  // In 64 bits: a length times a DPI may not fit in an int.
  const long long product = static_cast<long long>(length) * dpi;
  const long long half = kDesignDpi / 2;
  const long long rounded = product >= 0 ? (product + half) / kDesignDpi : -((-product + half) / kDesignDpi);
  return static_cast<int>(rounded);
}

int scale_font_height(int height, int dpi) {
  return scale_length(height, dpi);
}

}  // namespace vantrel::base
