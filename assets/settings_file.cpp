#include "assets/settings_file.h"

#include "assets/file_replace.h"
#include "assets/settings_values.h"

namespace lv {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

// The name of a "[name]" header line.
std::optional<std::string_view> HeaderName(std::string_view line) {
  line = Trim(line);
  const std::size_t close = line.rfind(']');
  if (line.empty() || line[0] != '[' || close == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

// The key of a "key=value" line; comment lines start with ";".
std::optional<std::string_view> KeyOf(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos || HeaderName(line)) return std::nullopt;
  const std::string_view key = Trim(line.substr(0, equals));
  if (!key.empty() && key[0] == ';') return std::nullopt;
  return key;
}

// The value of a "key=value" line as it stands; a NUL byte ends it.
std::string_view RawValueOf(std::string_view line) {
  std::string_view value = line.substr(line.find('=') + 1);
  return Trim(value.substr(0, value.find('\0')));
}

}  // namespace

TSettingsFile::TSettingsFile(std::string section, std::string_view bytes) : section_(std::move(section)) {
  while (!bytes.empty()) {
    const std::size_t newline = bytes.find('\n');
    std::string_view text = bytes.substr(0, newline);
    std::string end;
    if (newline != std::string_view::npos) {
      const bool crlf = !text.empty() && text.back() == '\r';
      if (crlf) text.remove_suffix(1);
      end = crlf ? "\r\n" : "\n";
      if (lineBreak_.empty()) lineBreak_ = end;
    }
    lines_.push_back({std::string(text), std::move(end)});
    bytes.remove_prefix(newline == std::string_view::npos ? bytes.size() : newline + 1);
  }
  if (lineBreak_.empty()) lineBreak_ = "\r\n";
}

TSettingsFile TSettingsFile::Load(std::string section, const std::string& path) {
  return TSettingsFile(std::move(section), ReadWholeFile(path).value_or(""));
}

bool TSettingsFile::Save(const std::string& path, std::string* reason) const {
  return ReplaceFile(path, Bytes(), reason);
}

std::string TSettingsFile::Bytes() const {
  std::string bytes;
  for (const TLine& line : lines_) bytes += line.Text + line.End;
  return bytes;
}

std::optional<TSettingsFile::TRange> TSettingsFile::FindSection() const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const auto name = HeaderName(lines_[i].Text);
    if (!name || !SameName(*name, section_)) continue;
    std::size_t end = i + 1;
    while (end < lines_.size() && !HeaderName(lines_[end].Text)) ++end;
    return TRange{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> TSettingsFile::FindKey(std::string_view key) const {
  const auto range = FindSection();
  if (!range) return std::nullopt;
  for (std::size_t i = range->Begin + 1; i < range->End; ++i) {
    const auto lineKey = KeyOf(lines_[i].Text);
    if (lineKey && SameName(*lineKey, key)) return i;
  }
  return std::nullopt;
}

std::optional<std::string> TSettingsFile::ReadValue(std::string_view key) const {
  const auto line = FindKey(key);
  if (!line) return std::nullopt;
  std::string value = DecodeText(RawValueOf(lines_[*line].Text));
  if (value.size() > kMaxValueBytes) value.resize(kMaxValueBytes);
  return value;
}

std::string TSettingsFile::ReadString(std::string_view key, const std::string& defaultValue) const {
  return ReadValue(key).value_or(defaultValue);
}

int TSettingsFile::ReadInteger(std::string_view key, int defaultValue) const {
  const auto value = ReadValue(key);
  return value ? ParseInteger(*value).value_or(defaultValue) : defaultValue;
}

bool TSettingsFile::ReadBool(std::string_view key, bool defaultValue) const {
  return ReadInteger(key, defaultValue ? 1 : 0) != 0;
}

int TSettingsFile::ReadDate(std::string_view key, int defaultDays) const {
  const auto value = ReadValue(key);
  return value ? ParseDate(*value).value_or(defaultDays) : defaultDays;
}

void TSettingsFile::InsertLine(std::size_t at, std::string text) {
  if (at > 0 && lines_[at - 1].End.empty()) lines_[at - 1].End = lineBreak_;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), TLine{std::move(text), lineBreak_});
}

void TSettingsFile::WriteString(std::string_view key, std::string_view value) {
  const std::string encoded = EncodeText(value);
  if (const auto line = FindKey(key)) {
    std::string& text = lines_[*line].Text;
    text = text.substr(0, text.find('=') + 1) + encoded;
    return;
  }
  auto range = FindSection();
  if (!range) {
    InsertLine(lines_.size(), "[" + section_ + "]");
    range = TRange{lines_.size() - 1, lines_.size()};
  }
  std::size_t at = range->End;
  while (at > range->Begin + 1 && Trim(lines_[at - 1].Text).empty()) --at;
  InsertLine(at, std::string(key) + "=" + encoded);
}

void TSettingsFile::WriteInteger(std::string_view key, int value) { WriteString(key, std::to_string(value)); }

void TSettingsFile::WriteBool(std::string_view key, bool value) { WriteString(key, value ? "1" : "0"); }

void TSettingsFile::WriteDate(std::string_view key, int days) { WriteString(key, FormatDate(days)); }

}  // namespace lv
