// The record of the cards already drawn, and the switch to a card's transformed face
// that a complete collection unlocks.
#include <algorithm>

#include "app/main_unit.h"
#include "assets/card_table.h"

namespace lv {

namespace {

constexpr char kSeenMark = 'l';
constexpr char kUnseenMark = '.';

bool IsFortuneCard(int n) { return n >= 1 && n <= CardMax; }

}  // namespace

// The title card has no entry and always counts as seen.
bool TVeyraFM::IsCardSeen(int n) const {
  if (n == TitleCard) return true;
  return IsFortuneCard(n) && CardSeen[static_cast<std::size_t>(n - 1)] == 1;
}

void TVeyraFM::MarkCardSeen(int n, bool all) { SetCardSeen(n, all, 1); }

void TVeyraFM::MarkCardUnseen(int n, bool all) { SetCardSeen(n, all, 0); }

// A card number sets that card's entry; card 0 with All sets every entry. Numbers
// beyond the deck change nothing.
void TVeyraFM::SetCardSeen(int n, bool all, std::uint8_t value) {
  if (IsFortuneCard(n))
    CardSeen[static_cast<std::size_t>(n - 1)] = value;
  else if (n < 1 && all)
    CardSeen.fill(value);
}

void TVeyraFM::CountSeenCards() {
  SeenCount = static_cast<int>(std::count(CardSeen.begin(), CardSeen.end(), 1));
  AllSeen = SeenCount == CardMax;
}

// One character per fortune card, in card order: "l" seen, "." not.
std::string TVeyraFM::EncodeCardOK() const {
  std::string s;
  for (std::uint8_t seen : CardSeen) s += seen == 1 ? kSeenMark : kUnseenMark;
  return s;
}

// Any text is accepted: missing characters and anything but "l" mean not seen, and
// characters beyond the deck are ignored.
void TVeyraFM::DecodeCardOK(const std::string& s) {
  for (std::size_t i = 0; i < CardSeen.size(); ++i) CardSeen[i] = i < s.size() && s[i] == kSeenMark ? 1 : 0;
}

// The heart is there only once every card is seen and the card on show has a
// transformed face; its look tells which face is on show.
void TVeyraFM::UpdateTransformButton() {
  int state = 0;
  if (AllSeen && HasTransformedFace(CardTable, CardNo)) state = Transformed ? 1 : 3;
  DrawButton(BtnTransform, state);
}

// The card turns over to its other face; its labels stay as they are.
void TVeyraFM::StartTransform() {
  DrawButton(BtnTransform, 2);
  Transformed = !Transformed;
  TransformFlip = true;
  AnimState = CardTurn;
  Memo1->SetReadOnly(true);
  PlaySoundNo(2);
}

}  // namespace lv
