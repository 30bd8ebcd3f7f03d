#include "input/button_dat_u.h"

namespace lv {

void InitButtonTable(TButtonTable& table) {
  //                          X    Y    W    H  SrcX SrcY State
  table[BtnWishPlate]    = {552,  60,  51,  19, 310, 113, 0};
  table[BtnKaisetuPlate] = {559, 374,  36,  19, 310, 132, 0};
  table[BtnClose]        = {703,   1,  33,  33, 118,   0, 1};
  table[BtnMinimize]     = {674,  11,  23,  23, 118,  33, 1};
  table[BtnPrev]         = {535,   2,  39,  37,   0,   0, 1};
  table[BtnNext]         = {580,   2,  39,  37,   0,  37, 1};
  table[BtnFortune]      = {471, 233, 103,  39,   0,  74, 0};
  table[BtnRandom]       = {580, 233, 103,  39,   0, 113, 1};
  table[BtnCreator]      = {457, 549, 150,  35,   0, 152, 1};
  table[BtnHomePage]     = {613, 549, 106,  35,   0, 187, 1};
  table[BtnTransform]    = {686, 232,  47,  40, 218,   0, 0};
}

}  // namespace lv
