// The output folder: never the input's, and nothing in it replaced that this command did not
// write. What it wrote is listed, with each file's identity, in crosscheck.written.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

class OutputFolder {
public:
    explicit OutputFolder(std::string path) : path_(std::move(path)) {}

    // Makes the folder and refuses one that holds any of the inputs, or whose ubn/ or log/ is
    // a link. Empty, or why.
    std::string open(const std::vector<std::string>& inputs);
    // Makes ubn/ (and log/ for the site) once nothing is refused, so that a refused run
    // leaves no folder behind. Empty, or why.
    std::string makeSubfolders(bool site);
    // Why a name (relative, "/"-separated) may not be written: a link, an existing file this
    // command did not write, or one changed since. Empty when it may.
    std::string refusal(const std::string& name) const;
    // Writes the whole file, then records it. Empty, or why.
    std::string write(const std::string& name, const std::string& bytes);
    // Writes the list of what was written. Empty, or why.
    std::string close();

    std::string pathOf(const std::string& name) const { return path_ + "/" + name; }

private:
    struct Written {
        std::string name;
        unsigned long long size;
        unsigned long long modified;
    };
    std::string path_;
    std::unordered_map<std::string, Written> before_;  // from the last run's list, by name
    std::vector<Written> now_;
};
