#include "platform/wav_format.h"

#include <cstring>

namespace lv {

namespace {

std::uint32_t LE(const std::uint8_t* p, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}

}  // namespace

std::optional<TPcmData> FindPcm(const std::uint8_t* wav, std::size_t size) {
  if (!wav || size < 12 || std::memcmp(wav, "RIFF", 4) != 0 || std::memcmp(wav + 8, "WAVE", 4) != 0)
    return std::nullopt;
  TPcmData pcm;
  bool haveFormat = false;
  std::size_t at = 12;
  while (at + 8 <= size) {
    const std::uint8_t* chunk = wav + at;
    const std::size_t length = LE(chunk + 4, 4);
    const std::size_t available = size - at - 8;
    if (std::memcmp(chunk, "fmt ", 4) == 0 && length >= 16 && length <= available) {
      if (LE(chunk + 8, 2) != 1) return std::nullopt;  // not plain PCM
      pcm.Channels = static_cast<int>(LE(chunk + 10, 2));
      pcm.SampleRate = static_cast<int>(LE(chunk + 12, 4));
      pcm.BitsPerSample = static_cast<int>(LE(chunk + 22, 2));
      haveFormat = true;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      pcm.Samples = chunk + 8;
      pcm.Size = length < available ? length : available;
      break;
    }
    at += 8 + length + (length & 1);
  }
  const bool usable = haveFormat && pcm.Samples && pcm.Channels >= 1 && pcm.Channels <= 2 &&
                      pcm.SampleRate > 0 && (pcm.BitsPerSample == 8 || pcm.BitsPerSample == 16);
  if (!usable) return std::nullopt;
  return pcm;
}

}  // namespace lv
