// Version 1 held the bytes; version 2 adds the receipt's figures, derived for the logs stored
// before it from their own bytes (without the contest period, which version 1 did not keep).
#include "vscrobot/store/store_schema.h"

#include <sqlite3.h>

#include "vscrobot/intake/log_check.h"
#include "vscrobot/store/sql_statement.h"

namespace {

const char Version1[] =
    "CREATE TABLE logs(id INTEGER PRIMARY KEY AUTOINCREMENT, call TEXT NOT NULL,"
    " received INTEGER NOT NULL, sha256 TEXT NOT NULL, bytes BLOB NOT NULL);";

const char Version2[] =
    "ALTER TABLE logs ADD COLUMN qso_lines INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE logs ADD COLUMN claimed TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE logs ADD COLUMN raw_score INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE logs ADD COLUMN categories TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE logs ADD COLUMN warnings TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE logs ADD COLUMN source TEXT NOT NULL DEFAULT 'web';"
    "ALTER TABLE logs ADD COLUMN replaces INTEGER NOT NULL DEFAULT 0;"
    "CREATE INDEX logs_by_call ON logs(call, id);";

bool fillFigures(sqlite3* db, std::string& why)
{
    SqlStatement select(db, "SELECT id, bytes FROM logs");
    SqlStatement update(db, "UPDATE logs SET qso_lines = ?, claimed = ?, raw_score = ?,"
                            " categories = ? WHERE id = ?");
    if (!select.ok() || !update.ok()) {
        why = sqlite3_errmsg(db);
        return false;
    }
    while (select.step() == SQLITE_ROW) {
        const CheckedLog log = checkLog(select.text(1), ContestPeriod());
        update.reset();
        update.bind(1, static_cast<int64_t>(log.lint.qsoLines));
        update.bind(2, log.claimed);
        update.bind(3, static_cast<int64_t>(log.rawScore));
        update.bind(4, categoriesText(log));
        update.bind(5, select.integer(0));
        if (update.step() != SQLITE_DONE) {
            why = sqlite3_errmsg(db);
            return false;
        }
    }
    return true;
}

bool runStep(sqlite3* db, int version, std::string& why)
{
    const char* sql = version == 1 ? Version1 : Version2;
    if (sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) {
        why = sqlite3_errmsg(db);
        return false;
    }
    bool done = sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    if (!done) {
        why = sqlite3_errmsg(db);
    }
    if (done && version == 2) {
        done = fillFigures(db, why);
    }
    const std::string pragma = "PRAGMA user_version = " + std::to_string(version);
    if (done && sqlite3_exec(db, pragma.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        why = sqlite3_errmsg(db);
        done = false;
    }
    if (done && sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        why = sqlite3_errmsg(db);
        done = false;
    }
    if (!done) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        why = "schema step " + std::to_string(version) + ": " + why;
    }
    return done;
}

}  // namespace

bool migrateStore(sqlite3* db, std::string& why)
{
    SqlStatement version(db, "PRAGMA user_version");
    if (!version.ok() || version.step() != SQLITE_ROW) {
        why = sqlite3_errmsg(db);
        return false;
    }
    const int64_t current = version.integer(0);
    version.finish();
    if (current > StoreVersion) {
        why = "the store has schema version " + std::to_string(current) +
              ", newer than this program's " + std::to_string(StoreVersion);
        return false;
    }
    for (int step = static_cast<int>(current) + 1; step <= StoreVersion; ++step) {
        if (!runStep(db, step, why)) {
            return false;
        }
    }
    return true;
}
