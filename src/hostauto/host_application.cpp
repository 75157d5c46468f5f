// The host client's reference handling and its one call.
#include "hostauto/host_application.h"

#include "platform/platform.h"

CHostApplication::~CHostApplication()
{
    if (dispatch != nullptr && autoRelease != 0) {
        platform::releaseAutomationObject(dispatch);
    }
    dispatch = nullptr;
}

void CHostApplication::attach(platform::AutomationObject* reference)
{
    if (reference != dispatch) {
        release();
    }
    dispatch = reference;
}

void CHostApplication::release()
{
    platform::releaseAutomationObject(dispatch);
    dispatch = nullptr;
}

bool CHostApplication::SendCommand(const char* text)
{
    if (dispatch == nullptr) {
        return false;
    }
    return platform::invokeWithText(dispatch, SendCommandMember, text);
}
