// vscscore lint: reads the file, prints the findings as an editor reads them, and the counts.
#include "lint/lint_command.h"

#include <cstdio>
#include <utility>

#include "cabrillo_input/cabrillo_reader.h"
#include "cli/commands.h"
#include "cli/counted_text.h"
#include "cli/exit_status.h"
#include "input/file_bytes.h"
#include "cli/shown_text.h"

void printLintFindings(const std::string& name, const LintReport& report)
{
    for (const LintFinding& finding : report.findings) {
        const std::string where =
            finding.line == 0 ? name : name + ":" + std::to_string(finding.line);
        std::printf("%s: %s: %s\n", shownText(where).c_str(), finding.error ? "error" : "warning",
                    shownText(finding.message).c_str());
    }
}

std::string lintCounts(const LintReport& report)
{
    return counted(report.errors, "error") + ", " + counted(report.warnings, "warning");
}

int lintStatus(const LintReport& report)
{
    return report.errors > 0 ? Errors : report.warnings > 0 ? Found : Clean;
}

int lintCommand(const CommandContext& context)
{
    const std::string& path = context.options.operands[0];
    const ContestPeriod& period = context.period;
    std::string bytes;
    std::string error;
    if (!readFileBytes(path, bytes, error)) {
        std::fprintf(stderr, "vscscore: %s\n", shownText(error).c_str());
        return BadLog;
    }
    const LintReport report = lintCabrillo(CabrilloText(std::move(bytes)), period);
    if (!report.unreadable.empty()) {
        std::fprintf(stderr, "vscscore: %s: %s\n", shownText(path).c_str(),
                     shownText(report.unreadable).c_str());
        return BadLog;
    }
    printLintFindings(path, report);
    std::printf("%s: %s, %s\n", shownText(path).c_str(),
                counted(report.qsoLines, "QSO line").c_str(),
                lintCounts(report).c_str());
    return lintStatus(report);
}
