// The sequencer's step clock and the numbers of its states. Other subsystems start
// a sequence by writing its first state into AnimState; the sequence advances one
// state per step and returns to Idle by itself.
#pragma once

#include <cstdint>

#include "view/card_geometry.h"

namespace lv {

// Least number of milliseconds between two sequencer steps.
constexpr std::uint16_t StepInterval = 55;

// Values of AnimState. The hold states lie below 100 and end at the mouse release;
// the sequence states lie at 500 and above and end by themselves.
enum TAnimState : int {
  Idle = 0,
  DragHold = 1,
  LightHold = 2,
  CreatorHold = 3,
  IndexOpen = 500,     // pause after entering index mode, 500 to 507
  IndexOpenEnd = 507,
  LinkOpen = 550,      // pause before the creator's web page opens, 550 to 557
  LinkOpenEnd = 557,
  ReplayTurn = 999,    // first frame of the replayed fortune's turn; goes on at 1001
  CardTurn = 1000,     // the card turn: FaceOut 1000-1003, BackIn 2000-2006,
  FaceOut = 1000,      // BackOut 3000-3003, FaceIn 4000-4005
  BackIn = 2000,
  BackShown = 2005,    // the back at full width: the new face and texts are put in
  BackOut = 3000,
  FaceIn = 4000,
  CardTurnEnd = 4005,
};

// Every hold state lies below this value; a mouse release ends only those.
constexpr int HoldStateLimit = 100;

// One step of the card turn: the slot drawn (NoSlot: nothing is drawn), its width
// in percent, and the state that follows.
constexpr int NoSlot = -1;
struct TCardTurnFrame {
  int State, Slot, Percent, Next;
};

// The old face narrows to a sliver, the back opens fully, rests one step, closes,
// and the new face opens.
constexpr TCardTurnFrame CardTurnFrames[] = {
    {ReplayTurn, SlotFace, 90, 1001},
    {1000, SlotFace, 90, 1001}, {1001, SlotFace, 78, 1002}, {1002, SlotFace, 60, 1003},
    {1003, SlotFace, 35, 2000},
    {2000, SlotBack, 0, 2001}, {2001, SlotBack, 35, 2002}, {2002, SlotBack, 60, 2003},
    {2003, SlotBack, 78, 2004}, {2004, SlotBack, 90, 2005}, {2005, SlotBack, 100, 2006},
    {2006, NoSlot, 0, 3000},
    {3000, SlotBack, 90, 3001}, {3001, SlotBack, 78, 3002}, {3002, SlotBack, 60, 3003},
    {3003, SlotBack, 35, 4000},
    {4000, SlotFace, 0, 4001}, {4001, SlotFace, 35, 4002}, {4002, SlotFace, 60, 4003},
    {4003, SlotFace, 78, 4004}, {4004, SlotFace, 90, 4005}, {4005, SlotFace, 100, Idle},
};

}  // namespace lv
