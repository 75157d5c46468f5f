// The cross-check against simulated contests whose every line's truth is known: precision,
// recall and F1 per verdict, with the targets the sponsors were promised.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "contest_simulator.h"
#include "crosscheck/crosscheck.h"
#include "crosscheck_input/log_input.h"

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
};

CrosscheckRules simulatedRules()
{
    CrosscheckRules rules;
    rules.periodGiven = true;
    rules.startMinute = simulatedStart();
    return rules;
}

std::string sim(const SimulatedContest& contest, std::size_t l)
{
    return contest.logs[l].call;
}

// Runs the engine on the contest read back from its Cabrillo files, and scores its verdicts.
void score(const SimulatedContest& contest, Scored& scored)
{
    const CrosscheckRules rules = simulatedRules();
    LogSet set;
    CabrilloLogReader reader(rules, set.names);
    for (const SimLog& sim : contest.logs) {
        LogInput log;
        std::string why;
        ASSERT_TRUE(reader.read(cabrilloText(sim), log, why)) << why;
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

TEST(CrosscheckAccuracy, MeetsTheTargetsOnSimulatedContests)
{
    Scored scored;
    for (uint32_t seed : {11u, 12u, 13u}) {
        SimulationSize size;
        size.seed = seed;
        size.startMinute = simulatedStart();
        score(simulateContest(size), scored);
    }
    std::printf("%llu lines, 3 simulated contests\n%-16s %9s %9s %9s %7s\n",
                static_cast<unsigned long long>(scored.lines), "verdict", "precision", "recall",
                "F1", "lines");
    for (int v = 0; v < VerdictCount; ++v) {
        const Tally& t = scored.tallies[v];
        std::printf("%-16s %9.4f %9.4f %9.4f %7llu\n", verdictName(static_cast<Verdict>(v)),
                    t.precision(), t.recall(), t.f1(),
                    static_cast<unsigned long long>(t.truePositive + t.falseNegative));
    }
    const double goodShare = Tally::ratio(scored.goodOk, scored.good);
    std::printf("truly good lines ok: %.4f\n", goodShare);
    auto f1 = [&](Verdict v) { return scored.tallies[static_cast<int>(v)].f1(); };
    EXPECT_GE(f1(Verdict::NotInLog), 0.98);
    EXPECT_GE(f1(Verdict::BustedCall), 0.95);
    EXPECT_GE(f1(Verdict::BustedExchange), 0.98);
    EXPECT_GE(f1(Verdict::Dupe), 0.99);
    EXPECT_GE(f1(Verdict::TooEarly), 0.99);
    EXPECT_EQ(f1(Verdict::OutOfPeriod), 1.0);
    EXPECT_GE(goodShare, 0.995);
}

}  // namespace
