// File identity from the handle's information: volume serial, file index, size, last write.
#include "platform/file_identity.h"

#include <windows.h>

#include "wide_text_win32.h"

FileIdentity fileIdentity(const std::string& path)
{
    FileIdentity identity;
    // Attributes only, every sharing mode: the look must never stand in anyone's way.
    HANDLE handle = CreateFileW(widenUtf8(path).c_str(), FILE_READ_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return identity;
    }
    BY_HANDLE_FILE_INFORMATION info = {};
    if (GetFileInformationByHandle(handle, &info)) {
        identity.exists = true;
        identity.volume = info.dwVolumeSerialNumber;
        identity.file = (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
        identity.size = (static_cast<uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
        identity.modified =
            (static_cast<uint64_t>(info.ftLastWriteTime.dwHighDateTime) << 32) |
            info.ftLastWriteTime.dwLowDateTime;
    }
    CloseHandle(handle);
    return identity;
}
