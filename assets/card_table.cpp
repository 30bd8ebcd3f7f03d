#include "assets/card_table.h"

#include "assets/my_sys_u.h"

namespace lv {

namespace {

constexpr char kTransformMarker[] = "\x82\x67";  // "Ｈ" in code page 932

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

const std::string& CardLine(const TStringList& table, int card, TCardRole role) {
  static const std::string kNone;
  if (card < 0) return kNone;
  return table[static_cast<std::size_t>(card) * CardRoles + role];
}

bool HasTransformedFace(const TStringList& table, int card) {
  return CardLine(table, card, RoleMarker).starts_with(kTransformMarker);
}

TCreatorLine ParseCreatorLine(const std::string& line) {
  TCreatorLine creator;
  creator.Name = line.size() > 2 ? line.substr(2) : std::string();
  if (line.size() < 2 || !IsAsciiDigit(line[0]) || !IsAsciiDigit(line[1])) return creator;
  const int code = StrToNum(line.substr(0, 2));
  if (code <= MaxVoiceCode) creator.VoiceCode = code;
  return creator;
}

const std::string& CreatorComment(const TStringList& table, int card, bool transformed) {
  const std::string& forTransformed = CardLine(table, card, RoleTransformedComment);
  if (transformed && !forTransformed.empty()) return forTransformed;
  return CardLine(table, card, RoleComment);
}

std::string CardWebAddress(const TStringList& table, int card) {
  return CardLine(table, card, RoleWebAddress).substr(0, MaxWebAddressBytes);
}

}  // namespace lv
