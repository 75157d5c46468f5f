// CHostApplication's ownership of its one reference, and the native running-object table it is
// reached through.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hostauto/host_application.h"
#include "platform/platform.h"
#include "platform/posix/running_objects.h"

namespace {

struct CountedObject {
    long references = 0;
    std::vector<std::string> calls;
};

CountedObject& counted(void* context)
{
    return *static_cast<CountedObject*>(context);
}

StatsRunningObject runningObject(CountedObject& object)
{
    return {&object,
            [](void* c) { ++counted(c).references; },
            [](void* c) { --counted(c).references; },
            [](void* c) { return static_cast<int>(++counted(c).references > 0); },
            [](void* c, int member, const char* text) {
                counted(c).calls.push_back(std::to_string(member) + " " + text);
                return 0;
            }};
}

class HostApplicationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const StatsRunningObject one = runningObject(first);
        const StatsRunningObject two = runningObject(second);
        ASSERT_EQ(StatsRegisterRunningObject("Unit.First", &one), 1);
        ASSERT_EQ(StatsRegisterRunningObject("Unit.Second", &two), 1);
    }
    void TearDown() override
    {
        StatsRevokeRunningObject("Unit.First");
        StatsRevokeRunningObject("Unit.Second");
    }

    static platform::AutomationObject* find(const char* progId)
    {
        platform::AutomationAttempt attempt(progId);
        return attempt.takeDispatch();
    }

    CountedObject first;
    CountedObject second;
};

TEST_F(HostApplicationTest, HoldsOneReferenceAndReleasesItExactlyOnce)
{
    {
        CHostApplication host;
        EXPECT_FALSE(host.SendCommand("<MODE:CW>")) << "nothing held, nothing sent";
        host.attach(find("Unit.First"));
        EXPECT_EQ(first.references, 1);
        EXPECT_TRUE(host.SendCommand("<MODE:CW>"));
        EXPECT_EQ(first.calls, std::vector<std::string>{"16 <MODE:CW>"});

        host.attach(find("Unit.Second"));
        EXPECT_EQ(first.references, 0) << "a replaced reference is released";
        EXPECT_EQ(second.references, 1);
        host.release();
        host.release();
        EXPECT_EQ(second.references, 0) << "released once, however often asked";
        EXPECT_FALSE(host.attached());
        host.attach(find("Unit.Second"));
    }
    EXPECT_EQ(second.references, 0) << "destruction releases what is held";
    EXPECT_EQ(first.references, 0);
}

TEST_F(HostApplicationTest, AnAttemptReleasesAReferenceNobodyTook)
{
    {
        platform::AutomationAttempt attempt("Unit.First");
        EXPECT_EQ(first.references, 1);
    }
    EXPECT_EQ(first.references, 0);
    EXPECT_EQ(find("Unit.Missing"), nullptr);
}

}  // namespace
