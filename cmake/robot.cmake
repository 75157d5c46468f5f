# vscrobot, the sponsor's log-submission robot: native Linux only. Its logic is a library of
# its own so the tests reach it; HTTP, SQL and SHA-256 come from Debian's libraries.
find_package(PkgConfig REQUIRED)
pkg_check_modules(MICROHTTPD REQUIRED IMPORTED_TARGET libmicrohttpd)
pkg_check_modules(SQLITE3 REQUIRED IMPORTED_TARGET sqlite3)
pkg_check_modules(NETTLE REQUIRED IMPORTED_TARGET nettle)
find_package(Threads REQUIRED)

set(ROBOT ${TOOLS}/vscrobot)
add_library(robot_logic STATIC
    ${ROBOT}/http_requests.cpp
    ${ROBOT}/http_server.cpp
    ${ROBOT}/log_check.cpp
    ${ROBOT}/log_export.cpp
    ${ROBOT}/log_store.cpp
    ${ROBOT}/mail_message.cpp
    ${ROBOT}/robot_contest.cpp
    ${ROBOT}/robot_options.cpp
    ${ROBOT}/robot_pages.cpp
    ${ROBOT}/robot_say.cpp
    ${ROBOT}/robot_site.cpp
    ${ROBOT}/sha256_hex.cpp
    ${ROBOT}/sql_statement.cpp
    ${ROBOT}/store_schema.cpp
    ${ROBOT}/submission.cpp
    ${ROBOT}/upload_rate.cpp
    ${ROBOT}/upload_window.cpp
    ${ROBOT}/utc_time.cpp)
target_include_directories(robot_logic PUBLIC ${ROBOT})
target_link_libraries(robot_logic PUBLIC crosscheck_command driver_logic report_logic
    PkgConfig::MICROHTTPD PkgConfig::SQLITE3 PkgConfig::NETTLE Threads::Threads)

add_executable(vscrobot ${ROBOT}/vscrobot.cpp
    ${ROBOT}/serve_command.cpp
    ${ROBOT}/submit_command.cpp
    ${ROBOT}/list_command.cpp
    ${ROBOT}/export_command.cpp
    ${ROBOT}/publish_command.cpp)
target_link_libraries(vscrobot PRIVATE robot_logic)
