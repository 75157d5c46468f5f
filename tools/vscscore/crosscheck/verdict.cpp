// The verdicts' names as the outputs write them.
#include "crosscheck/verdict.h"

const char* verdictName(Verdict verdict)
{
    static const char* const Names[] = {"invalid",   "out-of-period",   "dupe",   "too-early",
                                        "busted-call", "not-in-log", "busted-exchange",
                                        "unique",    "no-log",          "ok",     "pending"};
    return Names[static_cast<int>(verdict)];
}
