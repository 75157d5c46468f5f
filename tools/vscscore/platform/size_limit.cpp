// What both folder-access back ends say of a file over its size limit, worded once.
#include "platform/folder_access.h"

#include <string>

std::string tooLargeReason(uint64_t size, uint64_t limit)
{
    return std::to_string(size) + " bytes, more than the limit of " + std::to_string(limit) +
           " bytes for a log";
}
