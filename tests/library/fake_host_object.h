// The host's automation object as the tests play it: the running object of "Ravo2.Application"
// while it runs, recording every call it receives and counting the references others hold.
// Each platform registers it the way the real host would (fake_host_object_*.cpp).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "plugin_loader.h"

class FakeHostObject {
public:
    // plugin must stay the object the tests load and unload: the native build's table of
    // running objects lives in the library.
    explicit FakeHostObject(const StatsPlugin& plugin);
    ~FakeHostObject();
    FakeHostObject(const FakeHostObject&) = delete;
    FakeHostObject& operator=(const FakeHostObject&) = delete;

    void startRunning();
    // Safe to call twice, and after the library was unloaded.
    void stopRunning();

    // Script: whether the object hands out its dispatch interface, and which call from now on
    // fails (1: the next one), as the host raising an exception; 0: none fails.
    bool offersDispatch = true;
    int failingCall = 0;

    // Every call received, failed ones included: "16 <MODE:CW>". A call made in any other way
    // than as a method with one text and no result is recorded as malformed.
    std::vector<std::string> calls;
    // References taken and not yet released by anyone but the test itself.
    long references = 0;
    // Requests for the dispatch interface.
    int dispatchRequests = 0;

    // Run at every call as it arrives, before it is recorded.
    std::function<void()> onCall;

    // Called by the platform part: records call and says whether it returns normally.
    bool receive(const std::string& call)
    {
        if (onCall) {
            onCall();
        }
        calls.push_back(call);
        return failingCall <= 0 || --failingCall != 0;
    }

private:
    struct Registration;
    std::unique_ptr<Registration> registration_;
};
