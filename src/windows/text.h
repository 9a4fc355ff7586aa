// The game's texts are UTF-8; Windows takes UTF-16.
#pragma once

#include <string>
#include <string_view>

std::wstring wide(std::string_view utf8);
std::string narrow(std::wstring_view utf16);
