#include "assets/string_list.h"

namespace lv {

void TStringList::LoadFromBytes(const std::uint8_t* data, std::size_t size) {
  lines_.clear();
  std::string line;
  for (std::size_t i = 0; i < size; ++i) {
    char c = static_cast<char>(data[i]);
    if (c == '\n') {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines_.push_back(std::move(line));
      line.clear();
    } else {
      line.push_back(c);
    }
  }
  if (!line.empty()) lines_.push_back(std::move(line));
}

const std::string& TStringList::operator[](std::size_t index) const {
  static const std::string empty;
  return index < lines_.size() ? lines_[index] : empty;
}

}  // namespace lv
