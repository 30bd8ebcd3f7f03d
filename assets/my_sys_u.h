// Small general helpers: number texts, clamping, colour values, a point test.
#pragma once

#include <stdexcept>
#include <string>

#include "platform/bitmap.h"

namespace lv {

// Raised when a text is not a decimal number.
class EConvertError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// The last Width (1 to 9) digits of Value + 1000000000: Value with leading zeros.
std::string ZeroPad(int value, int width);
// Text from its first character that is not "0"; "0" when nothing is left.
std::string StripZeros(const std::string& text);
// StripZeros of Text read as a decimal number; raises EConvertError otherwise.
int StrToNum(const std::string& text);

inline void SwapInt(int& a, int& b) {
  int t = a;
  a = b;
  b = t;
}
inline void LimitMax(int& v, int max) {
  if (max < v) v = max;
}
inline void ClampVar(int& v, int lo, int hi) {
  if (v < lo)
    v = lo;
  else if (v > hi)
    v = hi;
}
inline int Clamp(int v, int lo, int hi) {
  ClampVar(v, lo, hi);
  return v;
}
inline bool InBounds(int left, int top, int width, int height, int x, int y) {
  return left <= x && x < left + width && top <= y && y < top + height;
}
inline TColor MakeColor(int r, int g, int b) {
  return static_cast<TColor>(r) + 256u * static_cast<TColor>(g) + 65536u * static_cast<TColor>(b);
}
inline void SplitColor(TColor c, int& r, int& g, int& b) {
  r = static_cast<int>(c & 255);
  g = static_cast<int>((c >> 8) & 255);
  b = static_cast<int>((c >> 16) & 255);
}

}  // namespace lv
