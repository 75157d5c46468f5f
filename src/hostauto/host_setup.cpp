// The host set-up, in the order the host expects: the object first, then the two commands.
#include "hostauto/host_setup.h"

#include "platform/platform.h"

void SetUpHost(CHostApplication& host, int32_t& setupSent)
{
    // Automation stays up on this thread for the whole attempt, the commands included.
    platform::AutomationAttempt attempt(HostProgId);
    platform::AutomationObject* found = attempt.takeDispatch();
    if (found == nullptr) {
        return;
    }
    host.attach(found);
    if (setupSent != 0) {
        return;
    }
    if (host.SendCommand("<MODE:CW>") && host.SendCommand("<BAUDRATE:25>")) {
        setupSent = 1;
    } else {
        host.release();
    }
}
