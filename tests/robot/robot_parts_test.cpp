// The robot's small judges: the upload window's two ends, the upload rate's minute, the
// digest, the command line, and the pages' escaping of what a log or a client wrote.
#include <gtest/gtest.h>

#include "vscrobot/cli/robot_options.h"
#include "vscrobot/intake/sha256_hex.h"
#include "vscrobot/intake/submission.h"
#include "vscrobot/intake/upload_window.h"
#include "vscrobot/web/http_server.h"
#include "vscrobot/web/robot_pages.h"
#include "vscrobot/web/upload_rate.h"

TEST(UploadWindow, BothSidesOfEachEnd)
{
    UploadWindow window;
    window.hasStart = true;
    window.start = 1000;
    window.hasDeadline = true;
    window.deadline = 2000;
    struct Row {
        int64_t now;
        const char* refusal;
    };
    const Row rows[] = {
        {999, "Uploads open at the contest's start, 1970-01-01 00:16:40 UTC."},
        {1000, ""},
        {1999, ""},
        {2000, "Uploads closed at the deadline, 1970-01-01 00:33:20 UTC."},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(windowRefusal(window, row.now), row.refusal) << "now " << row.now;
    }
    EXPECT_EQ(windowRefusal(UploadWindow(), 0), "");
}

TEST(UploadRate, LimitPerAddressOverASlidingMinute)
{
    UploadRate rate(2);
    struct Row {
        const char* address;
        int64_t now;
        int64_t wait;
    };
    const Row rows[] = {
        {"10.0.0.1", 100, 0}, {"10.0.0.1", 110, 0}, {"10.0.0.1", 111, 49},
        {"10.0.0.2", 111, 0},  // another address has its own minute
        {"10.0.0.1", 159, 1},  {"10.0.0.1", 160, 0}, {"10.0.0.1", 161, 9},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(rate.retryAfter(row.address, row.now), row.wait)
            << row.address << " at " << row.now;
    }
    UploadRate unlimited(0);
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(unlimited.retryAfter("10.0.0.1", 100), 0);
    }
}

TEST(Sha256, KnownDigests)
{
    EXPECT_EQ(sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
}

TEST(RobotPages, HostileTextIsShownEscaped)
{
    StoredLog log;
    log.receipt = 7;
    log.call = "<SCRIPT>\"Q1'&\x1b[2J";
    log.categories = "CATEGORY-POWER <b>LOW</b>";
    log.claimed = "1\"><img src=x>";
    log.warnings = "line 3: CALLSIGN: \"<b>\" is odd\n";
    const std::string escapedCall = "&lt;SCRIPT&gt;&quot;Q1'&amp;\\x1b[2J";
    const std::string pages[] = {receiptPage(log), logsPage({log}, false)};
    for (const std::string& page : pages) {
        EXPECT_EQ(page.find("<SCRIPT>"), std::string::npos) << page;
        EXPECT_EQ(page.find("<b>"), std::string::npos) << page;
        EXPECT_EQ(page.find("<img"), std::string::npos) << page;
        EXPECT_EQ(page.find('\x1b'), std::string::npos) << page;
        EXPECT_NE(page.find(escapedCall), std::string::npos) << page;
    }
    EXPECT_NE(receiptPage(log).find("<td id=\"call\">" + escapedCall + "</td>"),
              std::string::npos);
    EXPECT_NE(logsPage({log}, false).find("<tr><td>" + escapedCall + "</td>"),
              std::string::npos);

    Submission refused;
    refused.outcome = Submission::Outcome::Refused;
    refused.check.lint.errors = 1;
    refused.check.lint.findings.push_back({4, true, "CALLSIGN: \"<i>\" & more"});
    EXPECT_NE(refusalPage(refused).find("<ul id=\"findings\">\n<li>error: line 4: CALLSIGN: "
                                        "&quot;&lt;i&gt;&quot; &amp; more</li>\n</ul>"),
              std::string::npos)
        << refusalPage(refused);
}

TEST(RobotOptions, EachCommandTakesItsOwnOptions)
{
    struct Row {
        std::vector<const char*> argv;
        const char* error;
    };
    const Row rows[] = {
        {{"serve", "--data", "d", "--listen=127.0.0.1:0", "--deadline", "2025-02-20 00:00"}, ""},
        {{"submit", "--data", "d", "--date", "2025-02-15", "mail.eml"}, ""},
        {{"list", "--listen", "127.0.0.1:0"}, "list does not take --listen"},
        {{"export", "--date", "2025-02-15"}, "export does not take --date"},
        {{"serve", "--colour"}, "unknown option --colour"},
        {{"serve", "--data"}, "--data needs a value"},
    };
    for (const Row& row : rows) {
        std::vector<char*> argv = {const_cast<char*>("vscrobot")};
        for (const char* a : row.argv) {
            argv.push_back(const_cast<char*>(a));
        }
        RobotOptions options;
        EXPECT_EQ(parseRobotOptions(static_cast<int>(argv.size()), argv.data(), options),
                  row.error)
            << row.argv[0] << " " << row.argv[1];
    }
    RobotOptions options;
    const char* argv[] = {"vscrobot", "serve", "--data=d", "--", "-x"};
    ASSERT_EQ(parseRobotOptions(5, const_cast<char**>(argv), options), "");
    EXPECT_EQ(options.data, "d");
    EXPECT_EQ(options.operands, std::vector<std::string>{"-x"});
}

TEST(ParseListen, AddressAndPort)
{
    struct Row {
        const char* text;
        bool ok;
        const char* address;
        uint16_t port;
    };
    const Row rows[] = {
        {"127.0.0.1:8080", true, "127.0.0.1", 8080}, {"127.0.0.1:0", true, "127.0.0.1", 0},
        {"0.0.0.0:65535", true, "0.0.0.0", 65535},   {"127.0.0.1:65536", false, "", 0},
        {"localhost:80", false, "", 0},              {"127.0.0.1", false, "", 0},
        {"127.0.0.1:", false, "", 0},
    };
    for (const Row& row : rows) {
        ServerSettings settings;
        EXPECT_EQ(parseListen(row.text, settings), row.ok) << row.text;
        if (row.ok) {
            EXPECT_EQ(settings.address, row.address) << row.text;
            EXPECT_EQ(settings.port, row.port) << row.text;
        }
    }
}
