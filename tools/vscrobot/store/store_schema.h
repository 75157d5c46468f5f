// The store's schema and its migrations, one step per PRAGMA user_version.
#pragma once

#include <string>

struct sqlite3;

// The version this program writes.
constexpr int StoreVersion = 2;

// Brings the database from its user_version to StoreVersion, each step in its own transaction;
// an empty database gets every step. False, with why, on a database newer than this program
// or a failed step (which then leaves the database as it was before that step).
bool migrateStore(sqlite3* db, std::string& why);
