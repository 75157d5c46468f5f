// Output folder safety by file identity, never by a file's content.
#include "crosscheck_output/output_folder.h"

#include <sstream>

#include "input/file_bytes.h"
#include "platform/file_identity.h"
#include "platform/folder_access.h"
#include "platform/utf8_files.h"

namespace {

const char ListName[] = "crosscheck.written";
const char ListHeading[] = "vscscore crosscheck: files written (size, modified, name)";

// The folder holding a file named by a path: what precedes its last separator.
std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

bool sameFile(const FileIdentity& a, const FileIdentity& b)
{
    return a.exists && b.exists && a.volume == b.volume && a.file == b.file;
}

}  // namespace

std::string OutputFolder::open(const std::vector<std::string>& inputs)
{
    std::string error;
    if (!makeFolder(path_, error)) {
        return error;
    }
    // A subfolder that is a link would put the reports wherever it leads.
    for (const char* sub : {"ubn", "log"}) {
        if (isLink(pathOf(sub))) {
            return pathOf(sub) + " is a link; nothing is written through one: remove it or " +
                   "give another --out";
        }
    }
    const FileIdentity folder = fileIdentity(path_);
    const FileIdentity ubn = fileIdentity(pathOf("ubn"));
    for (const std::string& input : inputs) {
        const FileIdentity holder = fileIdentity(folderOf(input));
        if (sameFile(holder, folder) || sameFile(holder, ubn)) {
            return "the output folder " + path_ + " holds the input " + input +
                   "; give another --out";
        }
    }
    const FileIdentity list = fileIdentity(pathOf(ListName));
    if (!list.exists) {
        return std::string();
    }
    std::string bytes;
    if (!readFileBytes(pathOf(ListName), bytes, error)) {
        return error;
    }
    std::istringstream lines(bytes);
    std::string line;
    if (!std::getline(lines, line) || line != ListHeading) {
        return pathOf(ListName) + " was not written by vscscore crosscheck; give another --out";
    }
    Written w;
    while (lines >> w.size >> w.modified && std::getline(lines, w.name)) {
        w.name.erase(0, 1);
        before_[w.name] = w;
    }
    return std::string();
}

std::string OutputFolder::makeSubfolders(bool site)
{
    std::string error;
    if (!makeFolder(pathOf("ubn"), error) || (site && !makeFolder(pathOf("log"), error))) {
        return error;
    }
    return std::string();
}

std::string OutputFolder::refusal(const std::string& name) const
{
    if (isLink(pathOf(name))) {
        return pathOf(name) + " is a link; nothing is written through one: move it away or " +
               "give another --out";
    }
    const FileIdentity there = fileIdentity(pathOf(name));
    if (!there.exists) {
        return std::string();
    }
    const auto found = before_.find(name);
    if (found != before_.end() && found->second.size == there.size &&
        found->second.modified == there.modified) {
        return std::string();
    }
    return pathOf(name) + " is there and was not written by vscscore crosscheck (or was " +
           "changed since); move it away or give another --out";
}

std::string OutputFolder::write(const std::string& name, const std::string& bytes)
{
    const std::string reason = refusal(name);
    if (!reason.empty()) {
        return reason;
    }
    std::string error;
    if (!writeReportFile(pathOf(name), bytes, error)) {
        return error;
    }
    const FileIdentity written = fileIdentity(pathOf(name));
    now_.push_back({name, written.size, written.modified});
    return std::string();
}

std::string OutputFolder::close()
{
    // A file of an earlier run that this one did not write again would be read as this run's
    // result (a page of a log no longer given, of an --html run before this one): it goes, as
    // long as it is still the file written then. One changed since is the user's, and stays.
    std::unordered_map<std::string, bool> rewritten;
    for (const Written& w : now_) {
        rewritten[w.name] = true;
    }
    for (const auto& entry : before_) {
        const Written& old = entry.second;
        const FileIdentity there = fileIdentity(pathOf(old.name));
        if (rewritten.count(old.name) == 0 && there.exists && there.size == old.size &&
            there.modified == old.modified) {
            removeFileUtf8(pathOf(old.name));
        }
    }
    std::string text = std::string(ListHeading) + "\n";
    for (const Written& w : now_) {
        text += std::to_string(w.size) + " " + std::to_string(w.modified) + " " + w.name + "\n";
    }
    std::string error;
    return writeReportFile(pathOf(ListName), text, error) ? std::string() : error;
}
