// Terminal text with the Win32 code-page calls.
#include "platform/console_text.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

void setUpConsole()
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
}

std::string cp1251ToUtf8(const std::string& text)
{
    if (text.empty()) {
        return text;
    }
    const int length = static_cast<int>(text.size());
    const int wideLength = MultiByteToWideChar(1251, 0, text.data(), length, nullptr, 0);
    if (wideLength <= 0) {
        return text;
    }
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(1251, 0, text.data(), length, &wide[0], wideLength);
    const int utf8Length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (utf8Length <= 0) {
        return text;
    }
    std::string utf8(static_cast<std::size_t>(utf8Length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, &utf8[0], utf8Length, nullptr,
                        nullptr);
    return utf8;
}
