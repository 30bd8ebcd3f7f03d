// The window's light effect: where and when the sparkles play, the press that moves
// the light point and the two menu commands of the effect.
#include <algorithm>
#include <array>

#include "app/main_unit.h"

namespace lv {

namespace {

// The mascot's cell: the mascot draws its passing frames straight onto the window
// there, so the light square is shown around it and never over it.
constexpr TRect MascotCell{380, 147, 380 + 78, 147 + 138};

bool IsEmpty(const TRect& r) { return r.Left >= r.Right || r.Top >= r.Bottom; }

// The parts of a rectangle outside a hole: up to four bands, the unused ones empty.
std::array<TRect, 4> PartsOutside(const TRect& r, const TRect& hole) {
  const TRect cut{std::max(r.Left, hole.Left), std::max(r.Top, hole.Top), std::min(r.Right, hole.Right),
                  std::min(r.Bottom, hole.Bottom)};
  if (IsEmpty(cut)) return {r, TRect{}, TRect{}, TRect{}};
  return {TRect{r.Left, r.Top, r.Right, cut.Top}, TRect{r.Left, cut.Bottom, r.Right, r.Bottom},
          TRect{r.Left, cut.Top, cut.Left, cut.Bottom}, TRect{cut.Right, cut.Top, r.Right, cut.Bottom}};
}

// Copies source, whose point (srcLeft, srcTop) belongs at the square's top-left
// corner, onto the window over the square except the mascot's cell.
void ShowAroundMascot(IForm& form, const TBitmap& source, int srcLeft, int srcTop, const TRect& square) {
  for (const TRect& part : PartsOutside(square, MascotCell)) {
    if (IsEmpty(part)) continue;
    form.Canvas().CopyRect(part.Left, part.Top, source, srcLeft + part.Left - square.Left,
                           srcTop + part.Top - square.Top, part.Right - part.Left, part.Bottom - part.Top);
    form.Invalidate(part);
  }
}

}  // namespace

bool TVeyraFM::SparklesVisible() const { return LightShow || CardNo == 0; }

void TVeyraFM::LightStep() {
  const TBitmap& frame = Light.Step(BackBuffer, StarBmp, SparklesVisible(), Rng);
  ShowAroundMascot(Form(), frame, 0, 0, Light.Square());
}

void TVeyraFM::EraseLight() {
  const TRect square = Light.Square();
  ShowAroundMascot(Form(), BackBuffer, square.Left, square.Top, square);
}

void TVeyraFM::SetLightPoint(int x, int y) { Light.SetLightPoint(x, y); }

void TVeyraFM::SetLightPointAt(int wx, int wy) { Light.SetLightPointAt(wx, wy); }

void TVeyraFM::ResetParticles() { Light.ResetParticles(Rng); }

// The sparkles start afresh from the pressed point; the window then follows the
// mouse until the release, as in a drag.
void TVeyraFM::LightClick(int x, int y) {
  EraseLight();
  SetLightPointAt(x, y);
  ResetParticles();
  PlaySoundNo(11);
  AnimState = LightHold;
}

// Nothing is redrawn: the next step shows the change.
void TVeyraFM::LightShowChangeClick() {
  SetLightShow(!LightShow);
  PlaySoundNo(10);
}

void TVeyraFM::LightPointChangeClick() {
  EraseLight();
  SetLightPoint(LightHomeX, LightHomeY);
  ResetParticles();
  PlaySoundNo(10);
}

bool TVeyraFM::CanCentreLightPoint() const {
  return Light.LightX() != LightHomeX && Light.LightY() != LightHomeY && SparklesVisible();
}

}  // namespace lv
