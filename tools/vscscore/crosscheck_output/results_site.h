// The results site: the checked contest as static pages a sponsor can copy to any web server,
// an index and a page for each entrant, each self-contained (no scripts, nothing fetched).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "crosscheck/crosscheck.h"
#include "crosscheck_output/crosscheck_reports.h"

// What every page shares, worked out once over the whole contest.
struct SiteContext {
    std::vector<std::string> bands;  // host band names, the summary's order: one colour each
    std::vector<int> bandSlot;       // by band NameId: index into bands, -1 for none
    std::vector<std::size_t> standing;  // logsByStanding
    std::size_t resultPages = 0;        // 0: the index holds the whole table
};

SiteContext siteContext(const LogSet& set, const CrosscheckResult& result);

// "log/R1ABC.html", named as the ubn report is.
std::string entrantPageName(const std::string& call);
// The names of the pages beside the index that hold the whole results table.
std::string resultPageName(std::size_t page);

std::string siteIndex(const LogSet& set, const CrosscheckResult& result,
                      const CrosscheckRules& rules, const SiteContext& site);
std::string resultPage(const LogSet& set, const CrosscheckResult& result,
                       const SiteContext& site, std::size_t page);
std::string entrantPage(const LogSet& set, const CrosscheckResult& result,
                        const CrosscheckRules& rules, const SiteContext& site, std::size_t log,
                        const LineText& text);
