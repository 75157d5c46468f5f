// The header form of the POSIX build, driven through a pseudo-terminal as an operator would
// answer it; and with no controlling terminal at all.
#include <gtest/gtest.h>

#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>
#include <string>

#include "cabrillo/header_fields.h"
#include "platform/platform.h"
#include "plugin/exports.h"
#include "plugin/module_state.h"

namespace {

using platform::HeaderDialogTexts;

struct FormRun {
    bool confirmed = false;
    HeaderDialogTexts texts;
    std::string screen;  // everything the form and the echo put on the terminal
};

bool writeAll(int fd, const std::string& bytes)
{
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string readAll(int fd)
{
    std::string bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {  // the pseudo-terminal reports EIO once the child has gone
            return bytes;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

// The child's answer on the pipe: "1" or "0", then each text as its length, ':' and bytes.
std::string encode(bool confirmed, const HeaderDialogTexts& texts)
{
    std::string out = confirmed ? "1" : "0";
    for (const platform::HeaderControl& control : headerDialogLayout().controls) {
        const std::string& text = texts.*(control.text);
        out += std::to_string(text.size()) + ":" + text;
    }
    return out;
}

bool decode(const std::string& in, FormRun& run)
{
    if (in.empty()) {
        return false;
    }
    run.confirmed = in[0] == '1';
    std::size_t at = 1;
    for (const platform::HeaderControl& control : headerDialogLayout().controls) {
        const std::size_t colon = in.find(':', at);
        if (colon == std::string::npos) {
            return false;
        }
        const std::size_t length = std::stoul(in.substr(at, colon - at));
        run.texts.*(control.text) = in.substr(colon + 1, length);
        at = colon + 1 + length;
    }
    return true;
}

// Runs the form in a child whose controlling terminal is a new pseudo-terminal, with typed
// already waiting there.
FormRun runForm(const HeaderDialogTexts& start, const std::string& typed)
{
    FormRun run;
    int answer[2];
    if (::pipe(answer) != 0) {
        ADD_FAILURE() << "pipe";
        return run;
    }
    int terminal = -1;
    const pid_t child = ::forkpty(&terminal, nullptr, nullptr, nullptr);
    if (child == 0) {
        ::close(answer[0]);
        HeaderDialogTexts texts = start;
        const bool confirmed = platform::showHeaderDialog(headerDialogLayout(), texts);
        writeAll(answer[1], encode(confirmed, texts));
        ::_exit(0);
    }
    ::close(answer[1]);
    if (child < 0) {
        ::close(answer[0]);
        ADD_FAILURE() << "forkpty";
        return run;
    }
    writeAll(terminal, typed);
    run.screen = readAll(terminal);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(terminal);
    const std::string reply = readAll(answer[0]);
    ::close(answer[0]);
    EXPECT_TRUE(decode(reply, run)) << "the form's child gave no answer";
    return run;
}

HeaderDialogTexts startTexts()
{
    HeaderDialogTexts t;
    t.contest = "VSC";
    t.callsign = "Q0ABC";
    t.claimed = "42";
    t.categoryOperator = "SINGLE-OP";
    t.categoryBand = "ALL";
    t.categoryPower = "low";
    t.categoryMode = "CW";
    t.name = "Old Name";
    t.operators = "Q0ABC";
    t.club = "Old Club";
    t.soapBox = "first\r\nsecond";
    return t;
}

// One answer per form line, from CONTEST down to E-MAIL, without the soapbox's.
std::string enters(int count)
{
    return std::string(static_cast<std::size_t>(count), '\n');
}

TEST(HeaderForm, EnterKeepsValuesAndTypedValuesReplaceThem)
{
    // CONTEST .. CATEGORY-OVERLAY, NAME, ADDRESS .. OPERATORS, CLUB, SOAPBOX, E-MAIL, OK.
    const std::string typed = enters(8) + "New Name\n" + enters(5) + "-\n" +
                              "line one\nline two\n\n" + "op@example.org\n" + "\n";
    const FormRun run = runForm(startTexts(), typed);
    ASSERT_TRUE(run.confirmed) << run.screen;
    HeaderDialogTexts expected = startTexts();
    expected.categoryPower = "LOW";  // the combo box opens on the matching item
    expected.name = "New Name";
    expected.club = "";
    expected.soapBox = "line one\r\nline two";
    expected.email = "op@example.org";
    for (const platform::HeaderControl& control : headerDialogLayout().controls) {
        EXPECT_EQ(run.texts.*(control.text), expected.*(control.text)) << control.label;
    }
}

TEST(HeaderForm, ShowsEveryLabelInOrderWithItsValueAndTheListItems)
{
    const FormRun run = runForm(startTexts(), enters(17) + "\n");
    ASSERT_TRUE(run.confirmed) << run.screen;
    std::size_t at = 0;
    for (const platform::HeaderControl& control : headerDialogLayout().controls) {
        const std::size_t found = run.screen.find(control.label, at);
        EXPECT_NE(found, std::string::npos) << control.label << " after offset " << at;
        at = found == std::string::npos ? at : found;
    }
    for (const char* shown : {"CONTEST [VSC]", "CALLSIGN [Q0ABC]", "CLAIMED [42]",
                              "CATEGORY-OPERATOR (SINGLE-OP | MULTI-OP) [SINGLE-OP]",
                              "CATEGORY-BAND (ALL | (empty)) [ALL]",
                              "CATEGORY-POWER (HIGH | LOW) [LOW]",
                              "CATEGORY-MODE (CW | SSB | MIXED) [CW]",
                              "CATEGORY-OVERLAY (OVER-50) []", "    first\r\n    second"}) {
        EXPECT_NE(run.screen.find(shown), std::string::npos) << shown << "\n" << run.screen;
    }
    EXPECT_EQ(run.texts.soapBox, "first\r\nsecond") << "Enter keeps all its lines";
}

TEST(HeaderForm, CancelAndTheEndOfInputAreNotConfirmed)
{
    struct Row {
        const char* what;
        std::string typed;
    };
    const Row rows[] = {
        {"CANCEL", enters(8) + "Typed\n" + enters(8) + "CANCEL\n"},
        {"a wrong answer, then cancel", enters(17) + "maybe\ncancel\n"},
        {"end of input", enters(8) + "Typed\n\x04"},
    };
    for (const Row& row : rows) {
        const FormRun run = runForm(startTexts(), row.typed);
        EXPECT_FALSE(run.confirmed) << row.what;
        EXPECT_EQ(run.texts.name, "Old Name") << row.what;
        EXPECT_EQ(run.texts.categoryPower, "low") << row.what << ": the texts stay as given";
    }
}

TEST(HeaderForm, WithNoControllingTerminalItIsNotConfirmed)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::setsid();
        HeaderDialogTexts texts = startTexts();
        const bool confirmed = platform::showHeaderDialog(headerDialogLayout(), texts);
        ::_exit(confirmed ? 1 : texts.name == "Old Name" ? 0 : 2);
    }
    ASSERT_GT(child, 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: confirmed, 2: texts changed";
}

int resetStats(int exportCabrillo, const char* callsign)
{
    return ResetStats0(nullptr, exportCabrillo, callsign, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0,
                       0, 0, 0.0, 0.0, nullptr, nullptr, nullptr);
}

// The checks of the child below; its exit status is the number of the first that failed.
int resetWithoutTerminal()
{
    ::setsid();
    std::remove("Plugins/VESTAR.ini");
    g_CabrilloWriter.QsoLines = {"QSO: kept"};
    g_CabrilloWriter.FileBase = "untouched";
    const bool checks[] = {
        resetStats(0, "Q1AB/P") == 1,
        g_CabrilloWriter.FileBase == "untouched",
        resetStats(1, "Q1AB/P") == 1,
        g_CabrilloWriter.FileBase == "Q1AB_P",
        g_CabrilloWriter.Operators == "Q1AB/P",
        g_CabrilloWriter.Contest == "VSC",
        g_CabrilloWriter.QsoLines == std::vector<std::string>{"QSO: kept"},
        resetStats(1, nullptr) == 1,
        g_CabrilloWriter.FileBase == "QQLOG",
    };
    for (std::size_t i = 0; i < sizeof checks / sizeof checks[0]; ++i) {
        if (!checks[i]) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

TEST(HeaderForm, ResetStatsRunsSetupHeaderOnlyWithTheExportFlag)
{
    // A headless host: the form cannot be shown, so the record keeps what was loaded.
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(resetWithoutTerminal());
    }
    ASSERT_GT(child, 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the check that failed, counted from 1";
}

}  // namespace
