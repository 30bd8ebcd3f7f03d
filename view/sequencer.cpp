// The step clock and the sequencer: everything that moves on the window advances
// one step at a time, at most one step every StepInterval milliseconds.
#include <algorithm>

#include "app/main_unit.h"

namespace lv {

namespace {

constexpr int OpeningVoice = 1;

const TCardTurnFrame* FindCardTurnFrame(int state) {
  const auto* frame = std::find_if(std::begin(CardTurnFrames), std::end(CardTurnFrames),
                                   [state](const TCardTurnFrame& f) { return f.State == state; });
  return frame == std::end(CardTurnFrames) ? nullptr : frame;
}

bool IsPauseStep(int state) {
  return (state >= IndexOpen && state < IndexOpenEnd) || (state >= LinkOpen && state < LinkOpenEnd);
}

// The sparkles play at rest, in the hold states and in the pauses, never in a card turn.
bool PlaysSparkles(int state) {
  return (state >= Idle && state <= CreatorHold) || (state >= IndexOpen && state <= IndexOpenEnd) ||
         (state >= LinkOpen && state <= LinkOpenEnd);
}

}  // namespace

// The difference is taken in unsigned 32-bit arithmetic, so it stays right when the
// tick count wraps. A late event runs one step, never several to catch up.
void TVeyraFM::Timer1Timer() {
  const std::uint32_t now = platform_.Clock().TickCount();
  if (static_cast<std::uint32_t>(now - LastStepTick) >= StepInterval) {
    LastStepTick = now;
    AnimStep();
  }
  if (!FirstTickDone) {
    FirstTickDone = true;
    PlaySoundNo(OpeningVoice);
  }
}

// Idle and the hold states keep running; a sequence state does its action and moves
// on. Any other value does nothing.
void TVeyraFM::AnimStep() {
  const int state = AnimState;
  if (PlaysSparkles(state)) LightStep();
  if (state == IndexOpenEnd || state == LinkOpenEnd) {
    EndPause();
  } else if (IsPauseStep(state)) {
    ++AnimState;
  } else if (const TCardTurnFrame* frame = FindCardTurnFrame(state)) {
    CardTurnStep(*frame);
  }
}

// The end of the pause after entering index mode or before a web page opens.
void TVeyraFM::EndPause() {
  AnimState = Idle;
  ReleaseButtons();
}

// A newly shown card starts with its normal face; only a transform turn keeps the
// face it switched to. The sparkles leave the window as the turn starts; a replay
// puts the light point back where the saved fortune had it.
void TVeyraFM::CardTurnStep(const TCardTurnFrame& frame) {
  if (frame.State == ReplayTurn || (frame.State == CardTurn && !TransformFlip)) Transformed = false;
  if (frame.State == ReplayTurn || frame.State == CardTurn) EraseLight();
  if (frame.State == ReplayTurn) SetLightPoint(StarX, StarY);
  if (frame.Slot != NoSlot) DrawCard(frame.Slot, frame.Percent, true);
  AnimState = frame.Next;
  if (frame.State == BackShown) PutInNewCard();
  if (frame.State == CardTurnEnd) EndCardTurn();
}

// While the back is shown: the new face is loaded and, unless the turn only switches
// the face, the labels are hidden and refilled.
void TVeyraFM::PutInNewCard() {
  LoadFacePicture(CardNo);
  if (!TransformFlip) {
    ShowCardLabels(false);
    ShowCardTexts(CardNo);
  }
  CountSeenCards();
}

void TVeyraFM::EndCardTurn() {
  ReleaseButtons();
  UpdateTransformButton();
  TransformFlip = false;
  ShowCardLabels(true);
  Memo1->SetReadOnly(false);
  ResetParticles();
}

}  // namespace lv
