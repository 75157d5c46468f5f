// The host client's reference handling and its one call.
#include "hostauto/host_application.h"

#include "platform/platform.h"

// At unload this runs among the library's static destructors, on Windows under the loader
// lock. That is safe for the host's object: it lives in the host's own apartment, so the
// reference is the object itself and Release is a plain call into the host, which outlives
// the plug-in; and every CoInitialize of ours was balanced when its attempt ended, so no
// CoUninitialize of ours can have cut it off.
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
