// The robot's store: one SQLite database in the data folder, in WAL mode with synchronous=FULL,
// so a log whose commit returned is on disk before its receipt is sent.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "vscrobot/store/stored_log.h"

struct sqlite3;

class LogStore {
public:
    LogStore() = default;
    ~LogStore();
    LogStore(const LogStore&) = delete;
    LogStore& operator=(const LogStore&) = delete;

    // Opens or makes DIR/vscrobot.sqlite and migrates it; false, with why, when it cannot.
    bool open(const std::string& dataFolder, std::string& why);

    // Stores log in one transaction; on return true, it is committed and log.receipt and
    // log.replaces are set. On false nothing of it is stored; full says the disk (or the
    // store's limit) was full, which a client may try again later.
    bool add(StoredLog& log, std::string& why, bool& full);

    // The logs that count, one per call (the latest received), by call; bytes when asked.
    // False, with why, when they cannot all be read.
    bool counting(bool withBytes, std::vector<StoredLog>& logs, std::string& why);

    // Every version of every log, by receipt.
    bool everyVersion(std::vector<StoredLog>& logs, std::string& why);

private:
    bool select(const char* where, bool withBytes, std::vector<StoredLog>& logs,
                std::string& why);

    sqlite3* db_ = nullptr;
    std::mutex mutex_;
};

// The database's file name in a data folder.
std::string storePath(const std::string& dataFolder);
