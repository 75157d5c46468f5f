// Log intake: what a folder holds, and each file's kind, size and first bytes.
#include "crosscheck_input/log_intake.h"

#include "platform/folder_access.h"

namespace {

// As lint says it; a UTF-16 file, named by its byte-order mark, goes on to be read as such.
std::string firstBytesReason(const std::string& first)
{
    const bool utf16 = first.size() >= 2 && ((first[0] == '\xFF' && first[1] == '\xFE') ||
                                              (first[0] == '\xFE' && first[1] == '\xFF'));
    if (!utf16 && first.find('\0') != std::string::npos) {
        return "not a text file (binary, or UTF-16)";
    }
    return std::string();
}

}  // namespace

bool inputFiles(const std::vector<std::string>& operands, std::vector<std::string>& files,
                std::vector<std::string>& skipped, std::string& error)
{
    for (const std::string& operand : operands) {
        if (!isFolder(operand)) {
            files.push_back(operand);
            continue;
        }
        std::vector<std::string> names;
        std::vector<SkippedEntry> entries;
        if (!listFolder(operand, names, entries, error)) {
            return false;
        }
        const bool separated = operand.back() == '/' || operand.back() == '\\';
        const std::string folder = operand + (separated ? "" : "/");
        for (const std::string& name : names) {
            files.push_back(folder + name);
        }
        for (const SkippedEntry& entry : entries) {
            skipped.push_back(folder + entry.name + ": skipped: " + entry.reason);
        }
    }
    return true;
}

bool readLogFile(const std::string& path, std::string& bytes, std::string& why)
{
    std::string reason;
    if (readRegularFile(path, MostLogBytes, FirstLogBytes, firstBytesReason, bytes, reason)) {
        return true;
    }
    why = path + ": not read: " + reason;
    return false;
}

std::string givenName(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string withGivenName(const std::string& text, const std::string& path)
{
    const std::size_t at = path.empty() ? std::string::npos : text.find(path);
    if (at == std::string::npos) {
        return text;
    }
    return text.substr(0, at) + givenName(path) + text.substr(at + path.size());
}
