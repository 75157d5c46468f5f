// The once-per-load host set-up of the real library, seen from a host object that records what
// it is sent and counts the references the plug-in holds on it.
#include <memory>

#include "fake_host_object.h"
#include "library_fixture.h"
#include "report_boxes.h"
#include "support/files.h"

namespace {

const std::vector<std::string> BothCommands = {"16 <MODE:CW>", "16 <BAUDRATE:25>"};

class HostAutomation : public LoadedLibrary {
protected:
    void SetUp() override
    {
        LoadedLibrary::SetUp();
        host = std::make_unique<FakeHostObject>(plugin);
    }
    void TearDown() override
    {
        if (host) {
            host->stopRunning();
        }
        // Unloaded while the host object lives and COM is still up on this thread.
        LoadedLibrary::TearDown();
        host.reset();
    }

    void startRunning()
    {
        host->startRunning();
        baseline = host->references;
        host->dispatchRequests = 0;
    }
    long heldByPlugin() const { return host->references - baseline; }

    std::string result()
    {
        int score = -7;
        return plugin.GetResult0(&score);
    }

    // The call numbered failingCall fails; the next result request sends both texts afresh.
    void expectRetryAfterFailingCall(int failingCall, const std::vector<std::string>& attempted)
    {
        hostAddData(plugin, contact("Q1AA", "40", "4"));
        host->failingCall = failingCall;
        startRunning();
        const std::string summary = result();
        EXPECT_EQ(host->calls, attempted);
        EXPECT_EQ(heldByPlugin(), 0) << "a failed attempt drops its reference";

        EXPECT_EQ(result(), summary);
        std::vector<std::string> expected = attempted;
        expected.insert(expected.end(), BothCommands.begin(), BothCommands.end());
        EXPECT_EQ(host->calls, expected) << "the next request sends both again";
        EXPECT_EQ(heldByPlugin(), 1);

        result();
        EXPECT_EQ(host->calls, expected) << "nothing once both went through";
    }

    std::unique_ptr<FakeHostObject> host;
    long baseline = 0;
};

TEST_F(HostAutomation, RunningFromTheStartGetsBothTextsAtTheFirstRequestOnly)
{
    startRunning();
    result();
    EXPECT_EQ(host->calls, BothCommands);
    EXPECT_EQ(heldByPlugin(), 1);

    result();
    hostResetStats(plugin, 0, "Q0XYZ", DateRecord::make(46362.0));
    result();
    EXPECT_EQ(host->calls, BothCommands) << "a new log does not send them again";
    EXPECT_EQ(host->dispatchRequests, 1) << "nor is the object looked up again";
    EXPECT_EQ(heldByPlugin(), 1);
}

TEST_F(HostAutomation, FoundOnlyAtTheThirdRequestGetsBothTextsThen)
{
    hostAddData(plugin, contact("Q1AA", "40", "4"));
    const std::string summary = result();
    EXPECT_EQ(result(), summary);
    EXPECT_TRUE(host->calls.empty());

    startRunning();
    EXPECT_EQ(result(), summary) << "the summary is the same with the host found";
    EXPECT_EQ(host->calls, BothCommands);
    result();
    EXPECT_EQ(host->calls, BothCommands);
}

TEST_F(HostAutomation, AnObjectRefusingDispatchGetsNothingAndIsTriedAgain)
{
    host->offersDispatch = false;
    startRunning();
    result();
    EXPECT_EQ(host->dispatchRequests, 1);
    EXPECT_TRUE(host->calls.empty());
    EXPECT_EQ(heldByPlugin(), 0) << "the object's reference is released";

    host->offersDispatch = true;
    result();
    EXPECT_EQ(host->dispatchRequests, 2);
    EXPECT_EQ(host->calls, BothCommands);
    EXPECT_EQ(heldByPlugin(), 1);
}

TEST_F(HostAutomation, TheFirstTextFailingStopsTheAttempt)
{
    expectRetryAfterFailingCall(1, {"16 <MODE:CW>"});
}

TEST_F(HostAutomation, TheSecondTextFailingLeavesTheSetUpUndone)
{
    expectRetryAfterFailingCall(2, BothCommands);
}

TEST_F(HostAutomation, WithAnExportTheTextsFollowTheWrittenLogAndItsReport)
{
    reportsShownBy([this] { hostResetStats(plugin, 1, "Q0ABC", DateRecord::make(46362.0)); });
    hostAddData(plugin, contact("Q1AA", "40", "4"));
    startRunning();
    std::string logAtFirstText;
    host->onCall = [&logAtFirstText] {
        if (logAtFirstText.empty()) {
            logAtFirstText = support::fileText("Q0ABC.cbr");
        }
    };
    int score = 0;
    const std::vector<std::string> reports = reportsShownBy([&] { plugin.GetResult0(&score); });
    EXPECT_EQ(reports, std::vector<std::string>{"File produced: Q0ABC.cbr"});
    EXPECT_EQ(score, -1);
    EXPECT_EQ(host->calls, BothCommands);
    EXPECT_NE(logAtFirstText.find("QSO: "), std::string::npos)
        << "the log was written before the first text went out";
}

TEST_F(HostAutomation, UnloadingAfterTheSetUpReleasesTheReferenceOnce)
{
    startRunning();
    result();
    ASSERT_EQ(heldByPlugin(), 1);
    unloadStatsPlugin(plugin);
    EXPECT_EQ(heldByPlugin(), 0);
}

TEST_F(HostAutomation, UnloadingWithoutASetUpReleasesNothing)
{
    host->offersDispatch = false;
    startRunning();
    result();
    host->offersDispatch = true;
    host->failingCall = 1;
    result();
    ASSERT_EQ(host->calls, std::vector<std::string>{"16 <MODE:CW>"});
    unloadStatsPlugin(plugin);
    EXPECT_EQ(heldByPlugin(), 0);
}

}  // namespace
