// The painted buttons and caption plates: where each sits on the window, where its
// looks lie in the button sprite sheet, and which look it shows now.
#pragma once

#include <array>

namespace lv {

struct TButtonDat {
  int X, Y, Width, Height;  // on the window
  int SrcX, SrcY;           // cell of state 0 in the sheet; state s lies at SrcX + Width * s
  int State;
};

// Entry indexes; the plates and window controls lie below 0, the ordinary buttons
// from 0 to ButtonMax.
constexpr int BtnWishPlate = -4;
constexpr int BtnKaisetuPlate = -3;
constexpr int BtnClose = -2;
constexpr int BtnMinimize = -1;
constexpr int BtnPrev = 0;
constexpr int BtnNext = 1;
constexpr int BtnFortune = 2;
constexpr int BtnRandom = 3;
constexpr int BtnCreator = 4;
constexpr int BtnHomePage = 5;
constexpr int BtnTransform = 6;
constexpr int ButtonMin = -4;
constexpr int ButtonMax = 6;

class TButtonTable {
 public:
  TButtonDat& operator[](int index) { return rows_.at(static_cast<std::size_t>(index - ButtonMin)); }
  const TButtonDat& operator[](int index) const { return rows_.at(static_cast<std::size_t>(index - ButtonMin)); }

 private:
  std::array<TButtonDat, ButtonMax - ButtonMin + 1> rows_{};
};

// Writes every row with its place, its sheet cell and its state at start.
void InitButtonTable(TButtonTable& table);

}  // namespace lv
