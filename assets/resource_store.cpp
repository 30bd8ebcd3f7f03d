#include "assets/resource_store.h"

#include <algorithm>
#include <cctype>

#include "assets/embedded_resources.h"

namespace lv {

const TResourceStore& TResourceStore::Embedded() {
  static const TResourceStore store = [] {
    TResourceStore s;
    for (const TEmbeddedResource* r = kEmbeddedResources; r->Type != nullptr; ++r)
      s.Add(r->Type, r->Name, {r->Begin, static_cast<std::size_t>(r->End - r->Begin)});
    return s;
  }();
  return store;
}

std::string TResourceStore::Key(const std::string& type, const std::string& name) {
  std::string key = type + '/' + name;
  std::transform(key.begin(), key.end(), key.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return key;
}

void TResourceStore::Add(const std::string& type, const std::string& name, TResourceBytes bytes) {
  entries_[Key(type, name)] = bytes;
}

void TResourceStore::AddCopy(const std::string& type, const std::string& name,
                             std::vector<std::uint8_t> bytes) {
  owned_.push_back(std::move(bytes));
  Add(type, name, {owned_.back().data(), owned_.back().size()});
}

TResourceBytes TResourceStore::Get(const std::string& type, const std::string& name) const {
  auto it = entries_.find(Key(type, name));
  if (it == entries_.end()) throw EResNotFound("Resource " + name + " not found");
  return it->second;
}

bool TResourceStore::Has(const std::string& type, const std::string& name) const {
  return entries_.count(Key(type, name)) != 0;
}

}  // namespace lv
