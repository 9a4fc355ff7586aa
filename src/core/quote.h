// Outside text as an error message shows it. A message stays one short line
// and no terminal reads an escape sequence from it: the text is cut short,
// with its length, and every byte that is not printable ASCII is escaped.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::size_t kShownBytes = 60;

// At most kShownBytes of it, bytes outside space .. ~ and the backslash as \xNN.
std::string escape(std::string_view text);
// The same in single quotes: '1e39', '\x1b[2J', 'aaaa'... (1048576 bytes).
std::string quote(std::string_view text);
