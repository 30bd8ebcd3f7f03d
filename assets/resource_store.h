// Named resources of the program, found by type and name without regard to case.
#pragma once

#include <cstdint>
#include <deque>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

namespace lv {

// Raised when a resource that the program needs is not there.
class EResNotFound : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TResourceBytes {
  const std::uint8_t* Data = nullptr;
  std::size_t Size = 0;
};

class TResourceStore {
 public:
  // The resources embedded in this executable.
  static const TResourceStore& Embedded();

  // Adds bytes that stay owned by the caller and in place.
  void Add(const std::string& type, const std::string& name, TResourceBytes bytes);
  // Adds a copy of the bytes, owned by the store.
  void AddCopy(const std::string& type, const std::string& name, std::vector<std::uint8_t> bytes);

  // The bytes of a resource, read in place; raises EResNotFound when it is missing.
  TResourceBytes Get(const std::string& type, const std::string& name) const;
  bool Has(const std::string& type, const std::string& name) const;

 private:
  static std::string Key(const std::string& type, const std::string& name);
  std::unordered_map<std::string, TResourceBytes> entries_;
  std::deque<std::vector<std::uint8_t>> owned_;
};

}  // namespace lv
