// One connection behind a mutex: a submission's transaction is short, and lint runs outside it.
#include "vscrobot/store/log_store.h"

#include <sqlite3.h>

#include "vscrobot/store/sql_statement.h"
#include "vscrobot/store/store_schema.h"

namespace {

const char Columns[] = "id, call, received, sha256, qso_lines, claimed, raw_score, categories,"
                       " warnings, source, replaces";

bool exec(sqlite3* db, const char* sql, std::string& why)
{
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
        why = sqlite3_errmsg(db);
        return false;
    }
    return true;
}

bool isFull(int code)
{
    // A file-size limit shows as a failed write; both are "no room" to the client.
    const int primary = code & 0xff;
    return primary == SQLITE_FULL || primary == SQLITE_IOERR;
}

}  // namespace

std::string storePath(const std::string& dataFolder)
{
    return dataFolder + "/vscrobot.sqlite";
}

LogStore::~LogStore()
{
    sqlite3_close(db_);
}

bool LogStore::open(const std::string& dataFolder, std::string& why)
{
    const std::string path = storePath(dataFolder);
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        why = path + ": " + (db_ != nullptr ? sqlite3_errmsg(db_) : "cannot open");
        return false;
    }
    sqlite3_busy_timeout(db_, 10000);
    SqlStatement wal(db_, "PRAGMA journal_mode = WAL");
    if (!wal.ok() || wal.step() != SQLITE_ROW || wal.text(0) != "wal") {
        why = path + ": cannot use WAL: " + sqlite3_errmsg(db_);
        return false;
    }
    wal.finish();
    if (!exec(db_, "PRAGMA synchronous = FULL", why) || !migrateStore(db_, why)) {
        why = path + ": " + why;
        return false;
    }
    return true;
}

bool LogStore::add(StoredLog& log, std::string& why, bool& full)
{
    std::lock_guard<std::mutex> lock(mutex_);
    full = false;
    if (!exec(db_, "BEGIN IMMEDIATE", why)) {
        full = isFull(sqlite3_extended_errcode(db_));
        return false;
    }
    SqlStatement previous(db_, "SELECT MAX(id) FROM logs WHERE call = ?");
    previous.bind(1, log.call);
    const int64_t replaces = previous.step() == SQLITE_ROW ? previous.integer(0) : 0;
    previous.finish();
    SqlStatement insert(db_, "INSERT INTO logs(call, received, sha256, bytes, qso_lines, claimed,"
                             " raw_score, categories, warnings, source, replaces)"
                             " VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    insert.bind(1, log.call);
    insert.bind(2, log.received);
    insert.bind(3, log.sha256);
    insert.bindBlob(4, log.bytes);
    insert.bind(5, log.qsoLines);
    insert.bind(6, log.claimed);
    insert.bind(7, log.rawScore);
    insert.bind(8, log.categories);
    insert.bind(9, log.warnings);
    insert.bind(10, log.source);
    insert.bind(11, replaces);
    const bool inserted = insert.step() == SQLITE_DONE;
    insert.finish();
    if (!inserted || !exec(db_, "COMMIT", why)) {
        why = sqlite3_errmsg(db_);
        full = isFull(sqlite3_extended_errcode(db_));
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        return false;
    }
    log.receipt = sqlite3_last_insert_rowid(db_);
    log.replaces = replaces;
    return true;
}

bool LogStore::select(const char* where, bool withBytes, std::vector<StoredLog>& logs,
                      std::string& why)
{
    std::lock_guard<std::mutex> lock(mutex_);
    const std::string sql = std::string("SELECT ") + Columns + (withBytes ? ", bytes" : "") +
                            " FROM logs " + where;
    SqlStatement statement(db_, sql.c_str());
    logs.clear();
    int step = SQLITE_MISUSE;
    while (statement.ok() && (step = statement.step()) == SQLITE_ROW) {
        StoredLog log;
        log.receipt = statement.integer(0);
        log.call = statement.text(1);
        log.received = statement.integer(2);
        log.sha256 = statement.text(3);
        log.qsoLines = statement.integer(4);
        log.claimed = statement.text(5);
        log.rawScore = statement.integer(6);
        log.categories = statement.text(7);
        log.warnings = statement.text(8);
        log.source = statement.text(9);
        log.replaces = statement.integer(10);
        if (withBytes) {
            log.bytes = statement.text(11);
        }
        logs.push_back(std::move(log));
    }
    if (step != SQLITE_DONE) {
        why = std::string("cannot read the store: ") + sqlite3_errmsg(db_);
        return false;
    }
    return true;
}

bool LogStore::counting(bool withBytes, std::vector<StoredLog>& logs, std::string& why)
{
    return select("WHERE id IN (SELECT MAX(id) FROM logs GROUP BY call) ORDER BY call",
                  withBytes, logs, why);
}

bool LogStore::everyVersion(std::vector<StoredLog>& logs, std::string& why)
{
    return select("ORDER BY id", false, logs, why);
}
