// The store: its schema from nothing and from version 1, a replaced log's versions, and that
// nothing refused is stored.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "robot_logs.h"
#include "vscrobot/intake/submission.h"
#include "vscrobot/store/log_store.h"
#include "vscrobot/store/store_schema.h"

namespace {

int64_t userVersion(const std::string& path)
{
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &statement, nullptr);
    const int64_t version = sqlite3_step(statement) == SQLITE_ROW
                                ? sqlite3_column_int64(statement, 0)
                                : -1;
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return version;
}

void execute(const std::string& path, const std::string& sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK)
        << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

std::vector<StoredLog> versions(LogStore& store)
{
    std::vector<StoredLog> logs;
    std::string why;
    EXPECT_TRUE(store.everyVersion(logs, why)) << why;
    return logs;
}

std::vector<StoredLog> counting(LogStore& store, bool withBytes)
{
    std::vector<StoredLog> logs;
    std::string why;
    EXPECT_TRUE(store.counting(withBytes, logs, why)) << why;
    return logs;
}

Submission submit(LogStore& store, const std::string& bytes, int64_t now = 1739577600)
{
    return submitLog(store, bytes, ContestPeriod(), "web", now);
}

}  // namespace

TEST(LogStore, EmptyFolderGetsEverySchemaStep)
{
    LogStore store;
    std::string why;
    ASSERT_TRUE(store.open(".", why)) << why;
    EXPECT_EQ(userVersion(storePath(".")), StoreVersion);
    EXPECT_TRUE(versions(store).empty());
}

TEST(LogStore, VersionOneDatabaseIsMigratedWithItsLogsFiguresDerived)
{
    // Version 1 as it was shipped: the bytes only.
    const std::string bytes = robot_test::cabrilloLog("Q1OLD");
    execute(storePath("."),
            "CREATE TABLE logs(id INTEGER PRIMARY KEY AUTOINCREMENT, call TEXT NOT NULL,"
            " received INTEGER NOT NULL, sha256 TEXT NOT NULL, bytes BLOB NOT NULL);"
            "INSERT INTO logs(call, received, sha256, bytes) VALUES('Q1OLD', 1739577600, 'x', '" +
                bytes + "');"
            "PRAGMA user_version = 1;");
    LogStore store;
    std::string why;
    ASSERT_TRUE(store.open(".", why)) << why;
    EXPECT_EQ(userVersion(storePath(".")), StoreVersion);
    const std::vector<StoredLog> logs = counting(store, true);
    ASSERT_EQ(logs.size(), 1u);
    EXPECT_EQ(logs[0].call, "Q1OLD");
    EXPECT_EQ(logs[0].bytes, bytes);
    EXPECT_EQ(logs[0].qsoLines, 5);
    EXPECT_EQ(logs[0].rawScore, 21);
    EXPECT_EQ(logs[0].claimed, "21");
    EXPECT_EQ(logs[0].categories, "CATEGORY-OPERATOR SINGLE-OP, CATEGORY-BAND ALL, "
                                  "CATEGORY-MODE MIXED, CATEGORY-POWER LOW");
    // A new log after the migration gets a receipt after the old one's.
    const Submission next = submit(store, robot_test::cabrilloLog("Q2NEW"));
    ASSERT_EQ(next.outcome, Submission::Outcome::Received);
    EXPECT_EQ(next.stored.receipt, 2);
}

TEST(LogStore, NewerDatabaseIsRefusedUntouched)
{
    execute(storePath("."), "PRAGMA user_version = 99;");
    LogStore store;
    std::string why;
    EXPECT_FALSE(store.open(".", why));
    EXPECT_NE(why.find("newer than this program's"), std::string::npos) << why;
    EXPECT_EQ(userVersion(storePath(".")), 99);
}

TEST(LogStore, ReplacedLogKeepsEveryEarlierVersion)
{
    LogStore store;
    std::string why;
    ASSERT_TRUE(store.open(".", why)) << why;
    const Submission first = submit(store, robot_test::cabrilloLog("Q9VSC"), 100);
    submit(store, robot_test::cabrilloLog("Q1AA"), 200);
    const Submission second =
        submit(store, robot_test::cabrilloLog("Q9VSC", "CLAIMED-SCORE: 20"), 300);
    ASSERT_EQ(second.outcome, Submission::Outcome::Received);
    EXPECT_EQ(first.stored.replaces, 0);
    EXPECT_EQ(second.stored.replaces, first.stored.receipt);
    EXPECT_NE(receiptText(second.stored).find("Replaces: receipt 1 "), std::string::npos);
    const std::vector<StoredLog> counted = counting(store, false);
    ASSERT_EQ(counted.size(), 2u);
    EXPECT_EQ(counted[0].call, "Q1AA");
    EXPECT_EQ(counted[1].call, "Q9VSC");
    EXPECT_EQ(counted[1].receipt, second.stored.receipt);
    EXPECT_EQ(counted[1].claimed, "20");
    EXPECT_EQ(versions(store).size(), 3u);
    // Reopened: the same.
    LogStore again;
    ASSERT_TRUE(again.open(".", why)) << why;
    EXPECT_EQ(versions(again).size(), 3u);
}

TEST(LogStore, NothingRefusedIsStored)
{
    struct Row {
        const char* name;
        std::string bytes;
        Submission::Outcome outcome;
    };
    const Row rows[] = {
        {"lint error", robot_test::cabrilloLog("Q9VSC", "CATEGORY-POWER: lo"),
         Submission::Outcome::Refused},
        {"no callsign", robot_test::cabrilloLog("Q9VSC", "CALLSIGN:"),
         Submission::Outcome::Refused},
        {"empty", "", Submission::Outcome::Unreadable},
        {"UTF-16", std::string("S\0T\0A\0R\0T\0", 10), Submission::Outcome::Unreadable},
        {"ADIF", "<ADIF_VER:5>3.1.0<EOH>\n<CALL:4>Q1AA<EOR>\n", Submission::Outcome::Unreadable},
    };
    LogStore store;
    std::string why;
    ASSERT_TRUE(store.open(".", why)) << why;
    for (const Row& row : rows) {
        const Submission s = submit(store, row.bytes);
        EXPECT_EQ(static_cast<int>(s.outcome), static_cast<int>(row.outcome)) << row.name;
        EXPECT_EQ(s.stored.receipt, 0) << row.name;
    }
    EXPECT_TRUE(versions(store).empty());
}

TEST(LogStore, ReceiptShowsTheFiguresOfTheBytes)
{
    LogStore store;
    std::string why;
    ASSERT_TRUE(store.open(".", why)) << why;
    const Submission s = submit(store, robot_test::cabrilloLog("q9vsc", "CLAIMED-SCORE: 30"),
                                1739577600);
    ASSERT_EQ(s.outcome, Submission::Outcome::Received);
    const std::string text = receiptText(s.stored);
    for (const char* expected :
         {"Receipt: 1\n", "Callsign: Q9VSC\n", "QSO lines: 5\n", "Claimed score: 30\n",
          "Raw score: 21\n", "Received: 2025-02-15 00:00:00 UTC\n",
          "line 8: CLAIMED-SCORE: 30 where the QSO lines score 21"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\nin:\n" << text;
    }
    EXPECT_EQ(s.stored.sha256.size(), 64u);
}
