// Win32 back end of the automation services: the running object through COM, late bound
// through IDispatch.
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>

#include <string>

#include "platform/platform.h"

namespace {

// What the host set-up looks up and obtains; each attempt starts without references.
CLSID g_HostClsid = {};
IUnknown* g_HostUnknown = nullptr;
IDispatch* g_HostDispatchPtr = nullptr;

std::wstring wideText(const char* text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 1) {
        return std::wstring();
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
    wide.resize(static_cast<std::size_t>(length - 1));
    return wide;
}

IDispatch* asDispatch(platform::AutomationObject* object)
{
    return reinterpret_cast<IDispatch*>(object);
}

void freeExceptionInfo(EXCEPINFO& exception)
{
    if (exception.pfnDeferredFillIn != nullptr) {
        exception.pfnDeferredFillIn(&exception);
    }
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
}

}  // namespace

namespace platform {

AutomationAttempt::AutomationAttempt(const char* progId)
{
    g_HostUnknown = nullptr;
    g_HostDispatchPtr = nullptr;
    const std::wstring wideProgId = wideText(progId != nullptr ? progId : "");
    // A failed lookup leaves the null class, whose running object is never found.
    CLSIDFromProgID(wideProgId.c_str(), &g_HostClsid);
    // S_FALSE (already initialised on this thread) must be balanced as well; a refusal, such
    // as a thread in the multithreaded apartment, must not be.
    servicesUp_ = SUCCEEDED(CoInitialize(nullptr));
    if (FAILED(GetActiveObject(g_HostClsid, nullptr, &g_HostUnknown)) ||
        g_HostUnknown == nullptr) {
        g_HostUnknown = nullptr;
        return;
    }
    if (FAILED(g_HostUnknown->QueryInterface(IID_IDispatch,
                                             reinterpret_cast<void**>(&g_HostDispatchPtr)))) {
        g_HostDispatchPtr = nullptr;
    }
    g_HostUnknown->Release();
    g_HostUnknown = nullptr;
    found_ = reinterpret_cast<AutomationObject*>(g_HostDispatchPtr);
}

AutomationAttempt::~AutomationAttempt()
{
    releaseAutomationObject(found_);
    if (servicesUp_) {
        CoUninitialize();
    }
}

bool invokeWithText(AutomationObject* object, long member, const char* text)
{
    IDispatch* dispatch = asDispatch(object);
    if (dispatch == nullptr) {
        return false;
    }
    BSTR argument = nullptr;
    try {
        const std::wstring wide = wideText(text != nullptr ? text : "");
        argument = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    } catch (...) {
        return false;
    }
    if (argument == nullptr) {
        return false;
    }
    VARIANTARG arguments[1];
    VariantInit(&arguments[0]);
    arguments[0].vt = VT_BSTR;
    arguments[0].bstrVal = argument;
    DISPPARAMS parameters = {arguments, nullptr, 1, 0};
    EXCEPINFO exception = {};
    UINT badArgument = 0;
    const HRESULT result = dispatch->Invoke(static_cast<DISPID>(member), IID_NULL, 0,
                                            DISPATCH_METHOD, &parameters, nullptr, &exception,
                                            &badArgument);
    if (result == DISP_E_EXCEPTION) {
        freeExceptionInfo(exception);
    }
    SysFreeString(argument);
    return SUCCEEDED(result);
}

void releaseAutomationObject(AutomationObject* object)
{
    if (IDispatch* dispatch = asDispatch(object)) {
        dispatch->Release();
    }
}

}  // namespace platform
