// The window's outline from its mask picture, and keeping the window above others.
#include <exception>

#include "app/main_unit.h"

namespace lv {

// The new region replaces the old one only once it is complete, so a failure leaves
// the outline the window had.
void TVeyraFM::MakeWindowRegion(const TBitmap& picture, TColor transparent) {
  TBitmap converted(picture.Width(), picture.Height());
  converted.SetPixelFormat(TPixelFormat::pf24bit);
  converted.CopyRect(0, 0, picture, 0, 0, picture.Width(), picture.Height());
  TRegion region;
  region.makeRgnFromBitmap(converted, transparent);
  WindowRegion = std::move(region);
}

// The check mark moves only together with the style. Every call hands the window a
// fresh copy of the outline: a change of style makes a new native window.
void TVeyraFM::SetStayOnTop(bool value) {
  StayOnTop = value;
  if (Form().StayOnTop() != value) {
    Form().SetStayOnTop(value);
    PopupMenu1->SetChecked("MStayOnTop", value);
  }
  Form().SetShape(WindowRegion.CopyHandle());
}

// A mask that is missing, unreadable or all black leaves the region empty, and the
// window keeps its whole rectangle rather than vanishing; an error is shown and the
// start goes on, so the buttons, texts and card still appear.
void TVeyraFM::ShapeWindow() {
  try {
    TBitmap mask;
    if (LoadBmpResource("BaseMsk", mask)) MakeWindowRegion(mask, 0);
  } catch (const std::exception& error) {
    platform_.Application().ShowError(error.what());
  }
  SetStayOnTop(StayOnTop);
}

}  // namespace lv
