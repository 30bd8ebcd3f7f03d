// The program's one pseudo-random generator; every random choice draws from it.
#pragma once

#include <cstdint>
#include <random>

namespace lv {

class TRandom {
 public:
  void Randomize(std::uint64_t seed) { engine_.seed(seed); }
  // A uniform integer from 0 to range - 1 (0 when range is not positive).
  int Random(int range) {
    if (range <= 0) return 0;
    return std::uniform_int_distribution<int>(0, range - 1)(engine_);
  }
  // A uniform real in [0, 1).
  double RandomReal() { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

 private:
  std::mt19937_64 engine_{0};
};

}  // namespace lv
