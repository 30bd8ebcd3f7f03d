// The card pictures and the drawing of a card in its frame at any width, which is
// what makes the card turn over.
#include "app/main_unit.h"
#include "assets/my_sys_u.h"

namespace lv {

TBitmap& TVeyraFM::CardSlot(int slot) { return slot == SlotFace ? CardFace : CardBack; }

// The transformed face of a card is found under "h" and the normal name.
void TVeyraFM::LoadCardPicture(int number, int slot) {
  std::string name = "C" + ZeroPad(number, 3);
  if (slot == SlotFace && Transformed) name = "h" + name;
  TBitmap& picture = CardSlot(slot);
  LoadJpgResource(name, picture);
  CardSlotGeometry[static_cast<std::size_t>(slot)] = SlotGeometryFor(picture.Width(), picture.Height());
}

// A fortune card not yet seen shows the title picture.
void TVeyraFM::LoadFacePicture(int number) {
  if (number > 0 && number < CardBackNo && !IsCardSeen(number)) number = TitleCard;
  LoadCardPicture(number, SlotFace);
}

// Rebuilds the whole card rectangle: the rippled background, the slot's picture
// squeezed to Percent of its width about the card centre, and the frame around it.
// The frame lies just outside a full-width picture and one pixel further in at any
// other width. Each horizontal edge is made of two halves meeting at the centre, so
// the frame narrows with the card.
void TVeyraFM::DrawCard(int slot, int percent, bool toScreen) {
  const TCardSlotGeometry& g = CardSlotGeometry[static_cast<std::size_t>(slot)];
  CopyToBackBuffer(NamiBmp, 0, 0, NamiWidth, NamiHeight, NamiLeft, NamiTop, false);
  const int e = percent == 100 ? 0 : 1;
  int half = g.Width * percent / 100 / 2;
  ClampVar(half, 2, g.HalfWidth);
  const int w = 2 * half;
  const int x = (CardAreaWidth - w) / 2 + CardAreaLeft;
  const int t = g.Top, h = g.Height;
  BackBuffer.StretchDraw(x, t, w, h, CardSlot(slot));

  const int edge = FrameThickness;
  CopyToBackBuffer(WakuTateBmp, 0, 0, edge, h + 4, x - 4 + e, t - 2, false);
  CopyToBackBuffer(WakuTateBmp, edge, 0, edge, h + 4, x + w - e, t - 2, false);
  // A horizontal edge: its left half from the strip's left end, its right half from
  // the strip's centre, then its two corner dots.
  const int halfEdge = half + 2 - e;
  auto horizontalEdge = [&](int srcY, int dstY, int dotSrcY, int dotDstY) {
    CopyToBackBuffer(WakuYokoBmp, 2, srcY, halfEdge, edge, x - 2 + e, dstY, false);
    CopyToBackBuffer(WakuYokoBmp, WakuYokoCentre, srcY, halfEdge, edge, CardCentreX, dstY, false);
    CopyToBackBuffer(WakuYokoBmp, WakuYokoLeftDotX, dotSrcY, 1, 1, x - 3 + e, dotDstY, false);
    CopyToBackBuffer(WakuYokoBmp, WakuYokoRightDotX, dotSrcY, 1, 1, x + w + 2 - e, dotDstY, false);
  };
  horizontalEdge(0, t - edge, WakuYokoTopDotY, t - 3);
  horizontalEdge(edge, t + h, WakuYokoBottomDotY, t + h + 2);
  if (toScreen) ShowBackBuffer(NamiLeft, NamiTop, NamiWidth, NamiHeight);
}

}  // namespace lv
