// An independent reader: tlf imports a Cabrillo file written here (tlf -i, format UNIVERSAL)
// and must get every contact with its call, date, time, mode and exchange.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cabrillo/export_run.h"
#include "support/dates.h"
#include "support/files.h"

namespace {

namespace fs = std::filesystem;

DateRecord at(int year, int month, int day, int hour, int minute)
{
    return support::hostDate(support::at(year, month, day, hour, minute));
}

std::vector<std::string> words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> result;
    for (std::string word; in >> word;) {
        result.push_back(word);
    }
    return result;
}

// Imports folder/CALL.cbr with tlf and returns the lines of its import log.
std::vector<std::string> importWithTlf(const fs::path& folder, const std::string& call)
{
    fs::create_directories(folder / "rules");
    support::putFile(folder / "logcfg.dat", "RULES=vsc\nCALL=" + call + "\n");
    support::putFile(folder / "rules" / "vsc",
                     "CONTEST=vsc\nLOGFILE=vsc.log\nCABRILLO=UNIVERSAL\n");
    support::putFile(folder / ".paras", "");
    // tlf wants a terminal; script gives it one. It exits 0 whether the import worked or not.
    const std::string command = "cd '" + folder.string() + "' && HOME=\"$PWD\" timeout 60 " +
                                "script -qec 'stty rows 50 cols 132; exec tlf -i -n -r' " +
                                "/dev/null >tlf-output.txt 2>&1 </dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    std::vector<std::string> lines;
    std::istringstream in(support::fileText(folder / "IMPORT_vsc.log"));
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(TlfImport, EveryContactArrivesWithCallDateTimeModeAndExchange)
{
    if (std::system("command -v tlf >/dev/null && command -v script >/dev/null") != 0) {
        GTEST_SKIP() << "needs tlf and script (Debian packages tlf and bsdutils)";
    }
    struct Row {
        CInfo contact;
        std::vector<std::string> imported;  // band and mode, date, time, number, call, ...
    };
    auto contact = [](const char* call, int32_t freq, const char* mode, const char* rstSent,
                      const char* rstRcvd, const char* exch, const DateRecord& time) {
        CInfo c;
        c.Call = call;
        c.FreqKHz = freq;
        c.Mode = mode;
        c.RstSent = rstSent;
        c.RstRcvd = rstRcvd;
        c.ExchSent = "001";
        c.ExchRcvd = exch;
        c.Time = time;
        return c;
    };
    const Row rows[] = {
        {contact("Q1AA", 1830, "CW", "599", "579", "12", at(2026, 12, 6, 0, 5)),
         {"160CW", "06-Dec-26", "00:05", "0001", "Q1AA", "579", "599", "12", "0"}},
        {contact("Q2BB/P", 3650, "SSB", "59", "57", "1234", at(2026, 12, 6, 23, 59)),
         {"80SSB", "06-Dec-26", "23:59", "0002", "Q2BB/P", "57", "59", "1234", "0"}},
        {contact("Q3CC", 14074, "RTTY", "599", "599", "", at(2027, 1, 2, 3, 4)),
         {"20DIG", "02-Jan-27", "03:04", "0003", "Q3CC", "599", "599", "0"}},
        {contact("Q4DDDDDDDDDDD", 28012, "CW", "599", "599", "123456", at(2027, 1, 2, 3, 5)),
         {"10CW", "02-Jan-27", "03:05", "0004", "Q4DDDDDDDDDDD", "599", "599", "123456", "0"}},
    };
    ContactArray contacts;
    for (const Row& row : rows) {
        contacts.push_back(row.contact);
    }
    const fs::path folder = fs::absolute("tlf-import");
    fs::remove_all(folder);
    fs::create_directories(folder);
    CCabrilloWriter writer;
    writer.Callsign = "Q0ABC";
    writer.FileBase = "tlf-import\\Q0ABC";
    writer.SoapBox = "Two<CR><LF>lines";
    ASSERT_EQ(exportContacts(contacts, writer, 5), "File produced: tlf-import\\Q0ABC.cbr");

    const std::vector<std::string> imported = importWithTlf(folder, "Q0ABC");
    ASSERT_EQ(imported.size(), std::size(rows))
        << "tlf said: " << support::fileText(folder / "tlf-output.txt");
    for (std::size_t i = 0; i < imported.size(); ++i) {
        EXPECT_EQ(words(imported[i]), rows[i].imported) << "line " << imported[i];
    }
}

}  // namespace
