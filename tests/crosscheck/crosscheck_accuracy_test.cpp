// The cross-check against simulated contests whose every line's truth is known: precision,
// recall and F1 per verdict, with the targets the sponsors were promised.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "contest_simulator.h"
#include "crosscheck/crosscheck.h"
#include "crosscheck_input/log_input.h"
#include "cabrillo_input/utf16_text.h"

namespace {

struct Tally {
    uint64_t truePositive = 0;
    uint64_t falsePositive = 0;
    uint64_t falseNegative = 0;
    double precision() const { return ratio(truePositive, truePositive + falsePositive); }
    double recall() const { return ratio(truePositive, truePositive + falseNegative); }
    double f1() const
    {
        const double p = precision();
        const double r = recall();
        return p + r == 0.0 ? 0.0 : 2 * p * r / (p + r);
    }
    static double ratio(uint64_t a, uint64_t b) { return b == 0 ? 1.0 : double(a) / double(b); }
};

struct Scored {
    Tally tallies[VerdictCount];
    uint64_t good = 0;
    uint64_t goodOk = 0;
    uint64_t lines = 0;
    uint64_t right = 0;
};

std::string sim(const SimulatedContest& contest, std::size_t l)
{
    return contest.logs[l].call;
}

// Runs the engine on the contest read back from its Cabrillo files, as the command reads them,
// and scores its verdicts.
void score(const SimulationSize& size, Scored& scored)
{
    const SimulatedContest contest = simulateContest(size);
    const CrosscheckRules rules = simulatedRules(size);
    LogSet set;
    CabrilloLogReader reader(rules, set.names);
    for (const SimLog& sim : contest.logs) {
        LogInput log;
        std::string why;
        std::string bytes = cabrilloText(sim);
        ASSERT_TRUE(decodeUtf16(bytes, why)) << why;
        ASSERT_TRUE(reader.read(bytes, log, why)) << why;
        ASSERT_EQ(log.qsos.size(), sim.lines.size());
        set.logs.push_back(std::move(log));
    }
    const CrosscheckResult result = crosscheck(set, rules);
    for (std::size_t l = 0; l < contest.logs.size(); ++l) {
        for (std::size_t i = 0; i < contest.logs[l].lines.size(); ++i) {
            const SimLine& truth = contest.logs[l].lines[i];
            const LineResult& got = result.lines[l][i];
            ++scored.lines;
            bool right = got.verdict == truth.truth;
            if (right && truth.truth == Verdict::BustedCall) {
                right = set.names.text(got.partnerCall) == truth.trueCall;
            }
            if (truth.truth == Verdict::Ok) {
                ++scored.good;
                scored.goodOk += right ? 1 : 0;
            }
            if (right) {
                ++scored.right;
                ++scored.tallies[static_cast<int>(truth.truth)].truePositive;
                continue;
            }
            ++scored.tallies[static_cast<int>(truth.truth)].falseNegative;
            if (std::getenv("CROSSCHECK_MISSES") != nullptr) {
                std::printf("%s line %u: truth %s %s, got %s %s\n", sim(contest, l).c_str(),
                            set.logs[l].qsos[i].line, verdictName(truth.truth),
                            truth.trueCall.c_str(), verdictName(got.verdict),
                            std::string(set.names.text(got.partnerCall)).c_str());
            }
            ++scored.tallies[static_cast<int>(got.verdict)].falsePositive;
        }
    }
}

void print(const Scored& scored, const char* what)
{
    std::printf("%llu lines, %s\n%-16s %9s %9s %9s %7s\n",
                static_cast<unsigned long long>(scored.lines), what, "verdict", "precision",
                "recall", "F1", "lines");
    for (int v = 0; v < VerdictCount; ++v) {
        const Tally& t = scored.tallies[v];
        std::printf("%-16s %9.4f %9.4f %9.4f %7llu\n", verdictName(static_cast<Verdict>(v)),
                    t.precision(), t.recall(), t.f1(),
                    static_cast<unsigned long long>(t.truePositive + t.falseNegative));
    }
    std::printf("truly good lines ok: %.4f\nall lines right: %.4f\n",
                Tally::ratio(scored.goodOk, scored.good), Tally::ratio(scored.right, scored.lines));
}

TEST(CrosscheckAccuracy, MeetsTheTargetsOnSimulatedContests)
{
    Scored scored;
    for (uint32_t seed : {11u, 12u, 13u}) {
        SimulationSize size;
        size.seed = seed;
        size.startMinute = simulatedStart();
        size.mixedLoggers = true;
        score(size, scored);
    }
    print(scored, "3 simulated contests, logs of many loggers");
    const double goodShare = Tally::ratio(scored.goodOk, scored.good);
    auto f1 = [&](Verdict v) { return scored.tallies[static_cast<int>(v)].f1(); };
    EXPECT_GE(f1(Verdict::NotInLog), 0.98);
    EXPECT_GE(f1(Verdict::BustedCall), 0.95);
    EXPECT_GE(f1(Verdict::BustedExchange), 0.98);
    EXPECT_GE(f1(Verdict::Dupe), 0.99);
    EXPECT_GE(f1(Verdict::TooEarly), 0.99);
    EXPECT_EQ(f1(Verdict::OutOfPeriod), 1.0);
    EXPECT_GE(goodShare, 0.995);
}

// A contest whose exchange is a serial number and the last serial received, 4 hours, no clock
// correction, a repeat counting after 5 minutes; partners miscopy calls by two characters.
TEST(CrosscheckAccuracy, MeetsTheTargetsOnSerialContests)
{
    Scored scored;
    for (uint32_t seed : {21u, 22u, 23u}) {
        SimulationSize size;
        size.seed = seed;
        size.entrants = 150;
        size.busyLogless = 12;
        size.rareLogless = 30;
        size.startMinute = simulatedStart();
        size.hours = 4;
        size.serials = true;
        size.mixedLoggers = true;
        score(size, scored);
    }
    print(scored, "3 simulated serial-number contests, logs of many loggers");
    auto tally = [&](Verdict v) { return scored.tallies[static_cast<int>(v)]; };
    for (Verdict v : {Verdict::Invalid, Verdict::OutOfPeriod, Verdict::Dupe, Verdict::TooEarly,
                      Verdict::BustedCall, Verdict::NotInLog, Verdict::BustedExchange,
                      Verdict::NoLog, Verdict::Ok}) {
        EXPECT_GE(tally(v).precision(), 0.97) << verdictName(v);
        EXPECT_GE(tally(v).recall(), 0.97) << verdictName(v);
    }
    EXPECT_GE(Tally::ratio(scored.right, scored.lines), 0.995);
}

}  // namespace
