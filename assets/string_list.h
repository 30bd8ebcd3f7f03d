// A list of text lines, as read from a CR LF text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lv {

class TStringList {
 public:
  // Splits text at CR LF (a lone LF ends a line too); a last line without an
  // ending still counts as a line, an ending at the very end adds none.
  void LoadFromBytes(const std::uint8_t* data, std::size_t size);
  void Clear() { lines_.clear(); }

  std::size_t Count() const { return lines_.size(); }
  // The line at index, or the empty text for an index beyond the list.
  const std::string& operator[](std::size_t index) const;
  void Add(std::string line) { lines_.push_back(std::move(line)); }

 private:
  std::vector<std::string> lines_;
};

}  // namespace lv
