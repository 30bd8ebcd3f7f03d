// The card text table: seven lines per card, found by arithmetic on the card number.
#pragma once

#include <optional>
#include <string>

#include "assets/string_list.h"

namespace lv {

// The lines of one card's record, in their order.
enum TCardRole : int {
  RoleMarker = 0,              // begins with "Ｈ" when the card has a transformed face
  RoleTitle = 1,
  RoleExplanation = 2,
  RoleCreator = 3,             // two digits of the voice code, then the creator's name
  RoleWebAddress = 4,          // empty when the creator has no page
  RoleComment = 5,
  RoleTransformedComment = 6,  // may be empty
};
constexpr int CardRoles = 7;

// The highest voice code a creator line may carry: voices "B00" to "B26".
constexpr int MaxVoiceCode = 26;
// The most bytes of a web address that are passed on to the browser.
constexpr std::size_t MaxWebAddressBytes = 255;

// Line CardRoles * card + role; the empty text beyond the table.
const std::string& CardLine(const TStringList& table, int card, TCardRole role);

// The card's marker line begins with the full-width letter H.
bool HasTransformedFace(const TStringList& table, int card);

struct TCreatorLine {
  std::string Name;                // the line from its third byte on
  std::optional<int> VoiceCode;    // 0 to MaxVoiceCode; absent when the line carries none
};
// Reads a creator line. Its first two bytes must be ASCII digits giving 00 to 26;
// anything else (a sign, a letter, a short line, 27 and up) gives no voice, so such
// data can never play a sound that belongs to another slot.
TCreatorLine ParseCreatorLine(const std::string& line);

// The comment shown with the creator: the one for the transformed face when that
// face is on show and the card has one, else the ordinary comment.
const std::string& CreatorComment(const TStringList& table, int card, bool transformed);

// The creator's web address, cut to MaxWebAddressBytes; empty when there is none.
std::string CardWebAddress(const TStringList& table, int card);

}  // namespace lv
