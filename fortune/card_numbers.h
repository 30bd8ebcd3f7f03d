// The numbers of the deck: the fortune cards, the title card and the back.
#pragma once

namespace lv {

constexpr int CardMax = 29;      // the highest card number and the number of fortune cards
constexpr int TitleCard = 0;     // shown at start and in place of a card not yet seen
constexpr int CardBackNo = 999;  // picture number of the card back

}  // namespace lv
