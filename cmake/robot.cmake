# vscrobot, the sponsor's log-submission robot: native Linux only. Its logic is a library of
# its own so the tests reach it; HTTP, SQL and SHA-256 come from Debian's libraries.
find_package(PkgConfig REQUIRED)
pkg_check_modules(MICROHTTPD REQUIRED IMPORTED_TARGET libmicrohttpd)
pkg_check_modules(SQLITE3 REQUIRED IMPORTED_TARGET sqlite3)
pkg_check_modules(NETTLE REQUIRED IMPORTED_TARGET nettle)
find_package(Threads REQUIRED)

set(ROBOT ${TOOLS}/vscrobot)
# Its folders: cli (options, messages, exit statuses), commands (one file each), intake (a log
# taken, from the form or a mail), store (SQLite), web (HTTP and the pages). Included by
# "vscrobot/FOLDER/NAME.h"; the driver's pieces by their own folders.
add_library(robot_logic STATIC
    ${ROBOT}/cli/robot_commands.cpp
    ${ROBOT}/cli/robot_options.cpp
    ${ROBOT}/cli/robot_say.cpp
    ${ROBOT}/intake/log_check.cpp
    ${ROBOT}/intake/mail_message.cpp
    ${ROBOT}/intake/robot_contest.cpp
    ${ROBOT}/intake/sha256_hex.cpp
    ${ROBOT}/intake/submission.cpp
    ${ROBOT}/intake/upload_window.cpp
    ${ROBOT}/intake/utc_time.cpp
    ${ROBOT}/store/log_export.cpp
    ${ROBOT}/store/log_store.cpp
    ${ROBOT}/store/sql_statement.cpp
    ${ROBOT}/store/store_schema.cpp
    ${ROBOT}/web/http_requests.cpp
    ${ROBOT}/web/http_server.cpp
    ${ROBOT}/web/robot_pages.cpp
    ${ROBOT}/web/robot_site.cpp
    ${ROBOT}/web/upload_rate.cpp)
target_include_directories(robot_logic PUBLIC ${TOOLS})
target_link_libraries(robot_logic PUBLIC driver_commands
    PkgConfig::MICROHTTPD PkgConfig::SQLITE3 PkgConfig::NETTLE Threads::Threads)

add_executable(vscrobot ${ROBOT}/vscrobot.cpp
    ${ROBOT}/commands/serve_command.cpp
    ${ROBOT}/commands/submit_command.cpp
    ${ROBOT}/commands/list_command.cpp
    ${ROBOT}/commands/export_command.cpp
    ${ROBOT}/commands/publish_command.cpp)
target_link_libraries(vscrobot PRIVATE robot_logic)
