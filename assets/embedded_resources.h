// The table of files that the build embedded into the executable.
#pragma once

namespace lv {

struct TEmbeddedResource {
  const char* Type;
  const char* Name;
  const unsigned char* Begin;
  const unsigned char* End;
};

// Ends with an entry whose Type is null.
extern const TEmbeddedResource kEmbeddedResources[];

}  // namespace lv
