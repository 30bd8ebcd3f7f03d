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
  // One timer event at the given tick count.
  void FireAt(std::uint32_t tick) {
    platform.clock.tick = tick;
    screen.timers.at(0)->Fire();
  }
  // One event a full step interval after the last.
  void Step() { FireAt(platform.clock.tick + StepInterval); }

  // Steps until the sequencer is idle again; returns the state each step ran in.
  std::vector<int> RunToIdle() {
    std::vector<int> visited;
    while (form.AnimState != Idle && visited.size() < 100) {
      visited.push_back(form.AnimState);
      Step();
    }
    return visited;
  }
  // The number of the sound played last, 0 when none has played since the last
  // ForgetSounds.
  int LastSoundNo() const {
    if (platform.sound.played.empty()) return 0;
    for (int n = 1; n <= kSoundCount; ++n)
      if (form.SoundBank[n].Data == platform.sound.played.back().data) return n;
    return -1;
  }
  void ForgetSounds() { platform.sound.played.clear(); }

  headless::Label& LabelOf(const std::unique_ptr<ILabel>& label) { return static_cast<headless::Label&>(*label); }
};

}  // namespace lv::test
