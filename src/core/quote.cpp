#include "core/quote.h"

#include <cstdio>

namespace {

std::string escapeBytes(std::string_view text) {
  std::string shown;
  for (const char c : text.substr(0, kShownBytes)) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= ' ' && byte <= '~' && byte != '\\') {
      shown += c;
    } else {
      char code[5];
      std::snprintf(code, sizeof code, "\\x%02x", byte);
      shown += code;
    }
  }
  return shown;
}

std::string lengthNote(std::string_view text) {
  return text.size() > kShownBytes ? "... (" + std::to_string(text.size()) + " bytes)" : "";
}

}  // namespace

std::string escape(std::string_view text) { return escapeBytes(text) + lengthNote(text); }

std::string quote(std::string_view text) { return '\'' + escapeBytes(text) + '\'' + lengthNote(text); }
