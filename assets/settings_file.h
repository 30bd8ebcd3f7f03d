// One section of an initialisation file ("[section]" followed by "key=value"
// lines), read and written in memory. The file's own lines are kept, so writing a
// value changes that entry's line only: other sections, comments, blank lines,
// unknown keys and damaged lines stay byte for byte as they were.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lv {

class TSettingsFile {
 public:
  // The longest value a read returns, in bytes.
  static constexpr std::size_t kMaxValueBytes = 2047;

  TSettingsFile(std::string section, std::string_view bytes);
  // The file at path; a missing or unreadable file reads as an empty one.
  static TSettingsFile Load(std::string section, const std::string& path);
  // Replaces the file at path atomically; see ReplaceFile.
  bool Save(const std::string& path, std::string* reason = nullptr) const;
  std::string Bytes() const;

  // Keys are matched without regard to ASCII case; the first entry of a key in the
  // first section of the name counts. Reads give the default when the key is
  // missing or its value is not of the kind asked for.
  std::optional<std::string> ReadValue(std::string_view key) const;
  std::string ReadString(std::string_view key, const std::string& defaultValue) const;
  int ReadInteger(std::string_view key, int defaultValue) const;
  bool ReadBool(std::string_view key, bool defaultValue) const;
  int ReadDate(std::string_view key, int defaultDays) const;

  // An existing entry keeps its line and its key's spelling; a new one goes after
  // the section's last line that is not blank; a missing section is added at the
  // end of the file.
  void WriteString(std::string_view key, std::string_view value);
  void WriteInteger(std::string_view key, int value);
  void WriteBool(std::string_view key, bool value);
  void WriteDate(std::string_view key, int days);

 private:
  struct TLine {
    std::string Text;  // without its line break
    std::string End;   // "\r\n", "\n", or empty for a last line without one
  };
  struct TRange {
    std::size_t Begin, End;  // the header line and the line after the section
  };

  std::optional<TRange> FindSection() const;
  std::optional<std::size_t> FindKey(std::string_view key) const;
  void InsertLine(std::size_t at, std::string text);

  std::string section_;
  std::vector<TLine> lines_;
  std::string lineBreak_;  // the file's own line break, for lines added to it
};

}  // namespace lv
