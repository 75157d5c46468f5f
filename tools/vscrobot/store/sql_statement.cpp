// Thin ownership of sqlite3_stmt; every call checks the statement was prepared.
#include "vscrobot/store/sql_statement.h"

#include <sqlite3.h>

SqlStatement::SqlStatement(sqlite3* db, const char* sql)
{
    if (sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement_);
        statement_ = nullptr;
    }
}

SqlStatement::~SqlStatement()
{
    finish();
}

void SqlStatement::finish()
{
    sqlite3_finalize(statement_);
    statement_ = nullptr;
}

void SqlStatement::bind(int index, int64_t value)
{
    sqlite3_bind_int64(statement_, index, value);
}

void SqlStatement::bind(int index, const std::string& text)
{
    sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()),
                      SQLITE_TRANSIENT);
}

void SqlStatement::bindBlob(int index, const std::string& bytes)
{
    sqlite3_bind_blob(statement_, index, bytes.data(), static_cast<int>(bytes.size()),
                      SQLITE_TRANSIENT);
}

int SqlStatement::step()
{
    return statement_ == nullptr ? SQLITE_MISUSE : sqlite3_step(statement_);
}

void SqlStatement::reset()
{
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

int64_t SqlStatement::integer(int column)
{
    return sqlite3_column_int64(statement_, column);
}

std::string SqlStatement::text(int column)
{
    const void* data = sqlite3_column_blob(statement_, column);
    const int size = sqlite3_column_bytes(statement_, column);
    return data == nullptr ? std::string() : std::string(static_cast<const char*>(data),
                                                         static_cast<std::size_t>(size));
}
