// What a press, a release, a mouse move or a key means: the window has no ordinary
// controls besides the wish box, so the pressed point decides.
#include "app/main_unit.h"
#include "assets/my_sys_u.h"

namespace lv {

namespace {

bool Hits(const TButtonDat& b, int x, int y) { return InBounds(b.X, b.Y, b.Width, b.Height, x, y); }

}  // namespace

// A label reports its own coordinates; the handlers work in window coordinates, so
// a press on a label acts as a press at that point of the window.
TVeyraFM::TPoint TVeyraFM::WindowPoint(const ILabel* sender, int x, int y) const {
  if (!sender) return {x, y};
  const TRect bounds = sender->Bounds();
  return {x + bounds.Left, y + bounds.Top};
}

void TVeyraFM::FormMouseDown(const ILabel* sender, TMouseButton button, TShiftState shift, int x, int y) {
  if (Closing || AnimState != Idle) return;
  const TPoint p = WindowPoint(sender, x, y);
  DownX = p.X;
  DownY = p.Y;
  switch (button) {
    case TMouseButton::mbMiddle: StartDrag(); break;
    case TMouseButton::mbRight: break;
    case TMouseButton::mbLeft: LeftPress(p.X, p.Y, shift); break;
  }
}

// The tests run in a fixed order and the first that matches decides. A button whose
// state forbids the press swallows it; only the transform button lets it through.
void TVeyraFM::LeftPress(int x, int y, TShiftState) {
  auto pressable = [&](int index) { return ButtonTable[index].State == 1; };
  if (Hits(ButtonTable[BtnClose], x, y)) {
    Closing = true;
    Form().Close();
  } else if (Hits(ButtonTable[BtnMinimize], x, y)) {
    platform_.Application().Minimize();
  } else if (Hits(ButtonTable[BtnPrev], x, y) || Hits(ButtonTable[BtnNext], x, y)) {
    // The arrows open the card index, which this window does not have yet.
  } else if (Hits(ButtonTable[BtnFortune], x, y)) {
    if (pressable(BtnFortune)) StartFortune();
  } else if (Hits(ButtonTable[BtnRandom], x, y)) {
    if (pressable(BtnRandom)) StartRandomDraw();
  } else if (Hits(ButtonTable[BtnCreator], x, y)) {
    if (pressable(BtnCreator)) {
      DrawButton(BtnCreator, 2);
      ShowCreator(CardNo);
      AnimState = CreatorHold;
    }
  } else if (Hits(ButtonTable[BtnHomePage], x, y)) {
    if (pressable(BtnHomePage)) {
      DrawButton(BtnHomePage, 2);
      PlaySoundNo(10);
      AnimState = LinkOpen;
    }
  } else if (Hits(ButtonTable[BtnTransform], x, y) &&
             (ButtonTable[BtnTransform].State == 1 || ButtonTable[BtnTransform].State == 3)) {
    StartTransform();
  } else if (SparklesVisible() && InLightArea(x, y)) {
    LightClick(x, y);
  } else {
    StartDrag();
  }
}

void TVeyraFM::StartDrag() {
  AnimState = DragHold;
  PlaySoundNo(9);
}

// The release ends the short press states (drag, creator view); sequences run on.
void TVeyraFM::FormMouseUp(const ILabel* sender, TMouseButton, TShiftState, int x, int y) {
  MascotHeld = false;
  if (Closing || AnimState == Idle) return;
  if (AnimState == DragHold || AnimState == LightHold) {
    PlaySoundNo(10);
  } else if (AnimState == CreatorHold) {
    DrawButton(BtnCreator, 1);
    HideCreator(CardNo);
  }
  if (AnimState < HoldStateLimit) AnimState = Idle;
  const TPoint p = WindowPoint(sender, x, y);
  DownX = p.X;
  DownY = p.Y;
}

// The window follows the mouse by exactly its offset from the pressed point, so
// that point stays under the mouse; the window may leave the screen.
void TVeyraFM::FormMouseMove(const ILabel* sender, TShiftState, int x, int y) {
  if (Closing || (AnimState != DragHold && AnimState != LightHold)) return;
  const TPoint p = WindowPoint(sender, x, y);
  Form().SetPosition(Form().Left() + p.X - DownX, Form().Top() + p.Y - DownY);
}

void TVeyraFM::FormKeyDown(std::uint16_t& key, TShiftState shift) {
  if (Closing || AnimState != Idle) return;
  if (key == vk::Return) {
    ClickAt(ButtonTable[BtnFortune].X, ButtonTable[BtnFortune].Y, shift);
  } else if (key == vk::Escape) {
    Memo1->SetText("");
    PlaySoundNo(7);
  }
}

void TVeyraFM::ClickAt(int x, int y, TShiftState shift) {
  FormMouseDown(nullptr, TMouseButton::mbLeft, shift, x, y);
  FormMouseUp(nullptr, TMouseButton::mbLeft, shift, x, y);
}

}  // namespace lv
