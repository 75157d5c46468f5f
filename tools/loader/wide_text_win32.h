// UTF-8 and the UTF-16 of the wide-character Windows calls.
#pragma once

#include <string>

std::wstring widenUtf8(const std::string& text);
std::string narrowToUtf8(const std::wstring& text);
