// Fixtures for the card tests: card text tables made to order, and a window that
// has been created.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "assets/card_table.h"
#include "tests/test_support.h"

namespace lv::test {

using TCardRecord = std::array<std::string, CardRoles>;

// A table of thirty empty records with the given records put in.
inline TStringList CardTableWith(const std::vector<std::pair<int, TCardRecord>>& records) {
  std::array<TCardRecord, CardMax + 1> cards{};
  for (const auto& [card, record] : records) cards[static_cast<std::size_t>(card)] = record;
  TStringList table;
  for (const TCardRecord& record : cards)
    for (const std::string& line : record) table.Add(line);
  return table;
}

// The part of a picture inside a rectangle.
inline TBitmap Crop(const TBitmap& picture, int left, int top, int width, int height) {
  TBitmap part(width, height);
  part.CopyRect(0, 0, picture, left, top, width, height);
  return part;
}

// A window after FormCreate, on a clock far from zero so that the first timer
// event runs a step.
class CreatedWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    platform.clock.tick = 100000;
    form.FormCreate();
  }
  headless::Label& LabelOf(const std::unique_ptr<ILabel>& label) { return static_cast<headless::Label&>(*label); }
};

}  // namespace lv::test
