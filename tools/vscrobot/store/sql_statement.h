// A prepared SQLite statement that finalizes itself.
#pragma once

#include <cstdint>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

class SqlStatement {
public:
    SqlStatement(sqlite3* db, const char* sql);
    ~SqlStatement();
    SqlStatement(const SqlStatement&) = delete;
    SqlStatement& operator=(const SqlStatement&) = delete;

    bool ok() const { return statement_ != nullptr; }
    void bind(int index, int64_t value);
    void bind(int index, const std::string& text);
    void bindBlob(int index, const std::string& bytes);
    int step();  // SQLITE_ROW, SQLITE_DONE or an error code
    void reset();
    void finish();

    int64_t integer(int column);
    std::string text(int column);  // text or blob, as bytes

private:
    sqlite3_stmt* statement_ = nullptr;
};
