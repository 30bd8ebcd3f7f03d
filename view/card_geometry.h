// Where the card, its frame and the rippled background behind it lie on the window.
#pragma once

namespace lv {

// The two card picture slots.
constexpr int SlotBack = 0;  // CardBack: the back of every card
constexpr int SlotFace = 1;  // CardFace: the face of the card on show

// The card area: a 340 x 500 picture drawn at full width fills it exactly.
constexpr int CardAreaLeft = 36;
constexpr int CardAreaTop = 48;
constexpr int CardAreaWidth = 340;
constexpr int CardAreaHeight = 500;
constexpr int CardCentreX = CardAreaLeft + CardAreaWidth / 2;  // 206

// The rippled background: every card redraw rebuilds and shows this rectangle.
constexpr int NamiLeft = 32;
constexpr int NamiTop = 44;
constexpr int NamiWidth = 348;
constexpr int NamiHeight = 508;

// The frame strips: WakuTate holds the left edge in columns 0 to 3 and the right
// edge in 4 to 7; WakuYoko the top edge in rows 0 to 3 and the bottom edge in 4 to 7,
// with the corner dots at (1,1), (346,1), (1,6) and (346,6).
constexpr int FrameThickness = 4;
constexpr int WakuYokoCentre = 174;
constexpr int WakuYokoLeftDotX = 1;
constexpr int WakuYokoRightDotX = 346;
constexpr int WakuYokoTopDotY = 1;
constexpr int WakuYokoBottomDotY = 6;

// A slot's picture placed in the card area at full width.
struct TCardSlotGeometry {
  int Left = 0, Top = 0, Width = 0, Height = 0, HalfWidth = 0;
};

// The picture centred in the card area ("/" truncates toward zero, as the layout
// expects for pictures larger than the area).
constexpr TCardSlotGeometry SlotGeometryFor(int width, int height) {
  return {(CardAreaWidth - width) / 2 + CardAreaLeft, (CardAreaHeight - height) / 2 + CardAreaTop, width,
          height, width / 2};
}

}  // namespace lv
