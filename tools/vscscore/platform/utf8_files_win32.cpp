// The wide-character calls, UTF-8 converted at the edge.
#include "platform/utf8_files.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "platform/file_output.h"
#include "wide_text_win32.h"

namespace {

std::string systemReason(DWORD code)
{
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
            FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring reason(text != nullptr ? text : L"", length);
    LocalFree(text);
    while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' ||
                               reason.back() == L'.' || reason.back() == L' ')) {
        reason.pop_back();
    }
    return reason.empty() ? "error " + std::to_string(code) : narrowToUtf8(reason);
}

}  // namespace

std::vector<std::string> utf8Arguments(int argc, char** argv)
{
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) {
        return std::vector<std::string>(argv, argv + argc);
    }
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) {
        arguments.push_back(narrowToUtf8(wide[i]));
    }
    LocalFree(wide);
    return arguments;
}

std::FILE* openUtf8(const std::string& path, const char* mode)
{
    return _wfopen(widenUtf8(path).c_str(), widenUtf8(mode).c_str());
}

bool replaceFileUtf8(const std::string& path, const std::string& bytes, std::string& reason)
{
    const std::wstring target = widenUtf8(path);
    const std::wstring temporary =
        widenUtf8(platform::temporaryBeside(path, GetCurrentProcessId()));
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        reason = systemReason(GetLastError());
        return false;
    }
    bool ok = platform::writeInPieces(
        bytes, [file](const char* piece, std::size_t size) -> std::size_t {
            DWORD wrote = 0;
            return WriteFile(file, piece, static_cast<DWORD>(size), &wrote, nullptr) ? wrote : 0;
        });
    ok = ok && FlushFileBuffers(file);
    DWORD code = ok ? 0 : GetLastError();
    ok = CloseHandle(file) && ok;
    if (ok && !MoveFileExW(temporary.c_str(), target.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        code = GetLastError();
        ok = false;
    }
    if (!ok) {
        reason = systemReason(code != 0 ? code : GetLastError());
        DeleteFileW(temporary.c_str());
    }
    return ok;
}

bool removeFileUtf8(const std::string& path)
{
    return DeleteFileW(widenUtf8(path).c_str()) != FALSE;
}

bool isSymbolicLinkUtf8(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(widenUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}
