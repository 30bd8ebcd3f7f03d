#include "view/light_effect.h"

#include <cmath>
#include <numbers>


namespace lv {

namespace {

// Parts of the 3 x 3 star sprite (left, top, width, height): its middle column, its
// middle row and its centre pixel.
struct TSpritePart {
  int X, Y, Width, Height;
};
constexpr TSpritePart StarSrcV{1, 0, 1, 3};
constexpr TSpritePart StarSrcH{0, 1, 3, 1};
constexpr TSpritePart StarSrcDot{1, 1, 1, 1};

// The window point a particle at distance 0 starts from, relative to the light point.
constexpr int StartOffsetX = LightLeft + LightCentre + 1;
constexpr int StartOffsetY = LightTop + LightCentre + 1;

}  // namespace

// Compared without adding to the point, so values near the ends of the integer
// range cannot overflow.
bool IsReachableLightPoint(int x, int y) {
  return LightAreaLeft - StartOffsetX <= x && x < LightAreaLeft + LightAreaWidth - StartOffsetX &&
         LightAreaTop - StartOffsetY <= y && y < LightAreaTop + LightAreaHeight - StartOffsetY;
}

TLightEffect::TLightEffect() : frame_(LightSize, LightSize) {}

TRect TLightEffect::Square() const {
  const int left = LightLeft + lightX_, top = LightTop + lightY_;
  return {left, top, left + LightSize, top + LightSize};
}

void TLightEffect::SetLightPoint(int x, int y) {
  lightX_ = x;
  lightY_ = y;
}

void TLightEffect::SetLightPointAt(int wx, int wy) { SetLightPoint(wx - StartOffsetX, wy - StartOffsetY); }

// The draws come in this order: angle, distance, life, fade.
void TLightEffect::RespawnParticle(int index, TRandom& rng) {
  TParticle& p = particles_[index];
  p.Angle = rng.RandomReal() * 2 * std::numbers::pi;
  p.Dist = -rng.Random(10);
  p.Age = 0;
  p.Life = LifeBase - rng.Random(10);
  p.Fade = LifeBase - 15 - rng.Random(15);
}

void TLightEffect::ResetParticles(TRandom& rng) {
  for (int i = 0; i <= ParticleMax; ++i) RespawnParticle(i, rng);
}

// A particle shows from its second to eleventh step on, once it is more than one
// pixel out; a reborn one waits for the next step.
const TBitmap& TLightEffect::Step(const TBitmap& backBuffer, const TBitmap& star, bool play, TRandom& rng) {
  const TRect square = Square();
  frame_.CopyRect(0, 0, backBuffer, square.Left, square.Top, LightSize, LightSize);
  if (!play) return frame_;
  for (int i = 0; i <= ParticleMax; ++i) {
    TParticle& p = particles_[i];
    if (p.Age < p.Life) {
      ++p.Age;
      ++p.Dist;
      if (p.Dist > 1) DrawParticle(p, star);
    } else {
      RespawnParticle(i, rng);
    }
  }
  return frame_;
}

// A plus sign centred on (X + 1, Y + 1) until the particle fades, then a dot at
// (X, Y); whatever leaves the square is clipped.
void TLightEffect::DrawParticle(const TParticle& p, const TBitmap& star) {
  const int x = static_cast<int>(std::trunc(std::sin(p.Angle) * p.Dist)) + LightCentre;
  const int y = static_cast<int>(std::trunc(std::cos(p.Angle) * p.Dist)) + LightCentre;
  auto put = [&](const TSpritePart& part, int dx, int dy) {
    frame_.CopyRect(dx, dy, star, part.X, part.Y, part.Width, part.Height);
  };
  if (p.Age < p.Fade) {
    put(StarSrcV, x + 1, y);
    put(StarSrcH, x, y + 1);
  } else {
    put(StarSrcDot, x, y);
  }
}

}  // namespace lv
