// Finding the PCM samples inside a RIFF WAVE file held in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace lv {

struct TPcmData {
  int SampleRate = 0;
  int Channels = 0;
  int BitsPerSample = 0;
  const std::uint8_t* Samples = nullptr;  // points into the file's bytes
  std::size_t Size = 0;
};

// The samples of an uncompressed 8- or 16-bit PCM file; nothing for anything else
// or for a damaged file.
std::optional<TPcmData> FindPcm(const std::uint8_t* wav, std::size_t size);

}  // namespace lv
