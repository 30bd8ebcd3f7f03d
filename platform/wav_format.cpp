#include "platform/wav_format.h"

#include <cstring>

#include "platform/byte_order.h"

namespace lv {

std::optional<TPcmData> FindPcm(const std::uint8_t* wav, std::size_t size) {
  if (!wav || size < 12 || std::memcmp(wav, "RIFF", 4) != 0 || std::memcmp(wav + 8, "WAVE", 4) != 0)
    return std::nullopt;
  TPcmData pcm;
  bool haveFormat = false;
  std::size_t at = 12;
  while (at + 8 <= size) {
    const std::uint8_t* chunk = wav + at;
    const std::size_t length = ReadLittleEndian(chunk + 4, 4);
    const std::size_t available = size - at - 8;
    if (std::memcmp(chunk, "fmt ", 4) == 0 && length >= 16 && length <= available) {
      if (ReadLittleEndian(chunk + 8, 2) != 1) return std::nullopt;  // not plain PCM
      pcm.Channels = static_cast<int>(ReadLittleEndian(chunk + 10, 2));
      pcm.SampleRate = static_cast<int>(ReadLittleEndian(chunk + 12, 4));
      pcm.BitsPerSample = static_cast<int>(ReadLittleEndian(chunk + 22, 2));
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
