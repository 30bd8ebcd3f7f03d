// Sparkles bursting from the light point on the card picture: sixteen particles fly
// out along random rays, first as a small plus sign, then as a dot, and are reborn
// at the point when their life ends. One frame is composed in a work picture from
// the clean picture under the light square; the window shows it without keeping it.
#pragma once

#include <array>

#include "app/random_source.h"
#include "platform/bitmap.h"
#include "platform/platform.h"

namespace lv {

struct TParticle {
  double Angle = 0;  // direction of flight in radians, 0 to 2 pi
  int Dist = 0;      // pixels from the light point; starts at 0 or below
  int Age = 0;       // steps lived
  int Fade = 0;      // age at which the plus sign becomes a dot
  int Life = 0;      // age at which the particle is reborn
};

constexpr int ParticleMax = 15;  // highest particle index
constexpr int LifeBase = 43;     // longest life in steps
// The light square at the light point (0, 0), its size and its centre.
constexpr int LightLeft = 161, LightTop = 253;
constexpr int LightSize = 87;
constexpr int LightCentre = 44;
// The light point centred on the card: the sparkles start at (205, 297).
constexpr int LightHomeX = -1, LightHomeY = -1;
// The card picture: a press here places the light point (left, top, width, height).
constexpr int LightAreaLeft = 35, LightAreaTop = 47, LightAreaWidth = 340, LightAreaHeight = 500;

inline bool InLightArea(int x, int y) {
  return LightAreaLeft <= x && x < LightAreaLeft + LightAreaWidth && LightAreaTop <= y &&
         y < LightAreaTop + LightAreaHeight;
}
// Whether a press somewhere in the card picture gives this light point.
bool IsReachableLightPoint(int x, int y);

class TLightEffect {
 public:
  TLightEffect();

  int LightX() const { return lightX_; }
  int LightY() const { return lightY_; }
  // The window rectangle the sparkles play in.
  TRect Square() const;

  void SetLightPoint(int x, int y);
  // Puts the light point so that a particle at distance 0 would have its plus sign
  // centred on the window point (wx, wy).
  void SetLightPointAt(int wx, int wy);

  void RespawnParticle(int index, TRandom& rng);
  void ResetParticles(TRandom& rng);

  // One frame: the clean picture under the square from the back buffer, then, if
  // the sparkles may play, every particle one step on and drawn with the star
  // sprite. Otherwise the particles stay as they are. Returns the frame.
  const TBitmap& Step(const TBitmap& backBuffer, const TBitmap& star, bool play, TRandom& rng);

  const TParticle& Particle(int index) const { return particles_[index]; }
  // Puts a particle in a given state, as a test needs it.
  void SetParticle(int index, const TParticle& particle) { particles_[index] = particle; }

 private:
  void DrawParticle(const TParticle& p, const TBitmap& star);

  std::array<TParticle, ParticleMax + 1> particles_{};
  int lightX_ = LightHomeX, lightY_ = LightHomeY;
  TBitmap frame_;  // the work picture of one frame, LightSize x LightSize
};

}  // namespace lv
