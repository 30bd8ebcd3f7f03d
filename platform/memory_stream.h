// A stream of bytes in memory with a read and write position.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace lv {

class TMemoryStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

  std::size_t Size() const { return bytes_.size(); }
  std::size_t Position() const { return position_; }
  void SetPosition(std::size_t position) { position_ = std::min(position, bytes_.size()); }

  // Writes at the position, growing the stream as needed.
  void Write(const void* data, std::size_t count) {
    if (count == 0) return;
    if (position_ + count > bytes_.size()) bytes_.resize(position_ + count);
    std::memcpy(bytes_.data() + position_, data, count);
    position_ += count;
  }
  // Reads up to count bytes; returns how many there were.
  std::size_t Read(void* data, std::size_t count) {
    const std::size_t n = std::min(count, bytes_.size() - position_);
    if (n == 0) return 0;
    std::memcpy(data, bytes_.data() + position_, n);
    position_ += n;
    return n;
  }

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

}  // namespace lv
