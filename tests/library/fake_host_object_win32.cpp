// The fake host object under Windows: a COM object with IDispatch, its programmatic identifier
// under HKEY_CLASSES_ROOT and the object in the running-object table, as the host keeps them.
#include "fake_host_object.h"

#include <windows.h>
#include <ole2.h>
#include <oleauto.h>

#include <stdexcept>

namespace {

const char* const ProgIdKey = "Ravo2.Application";
const char* const ClsidKey = "Ravo2.Application\\CLSID";
const wchar_t* const ClassText = L"{6B0E2A51-3C7D-4E19-A2F4-58D1C0B7E93A}";

std::string narrow(const wchar_t* text, UINT length)
{
    if (text == nullptr || length == 0) {
        return std::string();
    }
    const int size = WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), nullptr, 0,
                                         nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), &out[0], size, nullptr,
                        nullptr);
    return out;
}

std::string describeCall(DISPID member, REFIID iid, LCID locale, WORD flags,
                         const DISPPARAMS* parameters, const VARIANT* result)
{
    const std::string head = std::to_string(member) + " ";
    if (iid == IID_NULL && locale == 0 && flags == DISPATCH_METHOD && parameters != nullptr &&
        parameters->cArgs == 1 && parameters->cNamedArgs == 0 && result == nullptr &&
        parameters->rgvarg[0].vt == VT_BSTR) {
        const BSTR text = parameters->rgvarg[0].bstrVal;
        return head + narrow(text, SysStringLen(text));
    }
    std::string why = head + "malformed:";
    why += iid == IID_NULL ? "" : " interface not IID_NULL";
    why += " locale " + std::to_string(locale) + " flags " + std::to_string(flags);
    if (parameters != nullptr) {
        why += " arguments " + std::to_string(parameters->cArgs) + " named " +
               std::to_string(parameters->cNamedArgs);
        if (parameters->cArgs > 0) {
            why += " first type " + std::to_string(parameters->rgvarg[0].vt);
        }
    }
    why += result != nullptr ? " result wanted" : "";
    return why;
}

// Counts others' references into the owner; the object itself lives as long as the owner.
class HostDispatch : public IDispatch {
public:
    explicit HostDispatch(FakeHostObject& owner) : owner_(owner) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (out == nullptr) {
            return E_POINTER;
        }
        *out = nullptr;
        if (iid == IID_IDispatch) {
            ++owner_.dispatchRequests;
            if (!owner_.offersDispatch) {
                return E_NOINTERFACE;
            }
        } else if (iid != IID_IUnknown) {
            return E_NOINTERFACE;
        }
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++owner_.references); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        return static_cast<ULONG>(--owner_.references);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        if (count == nullptr) {
            return E_POINTER;
        }
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result,
                                     EXCEPINFO* exception, UINT*) override
    {
        if (owner_.receive(describeCall(member, iid, locale, flags, parameters, result))) {
            return S_OK;
        }
        // The host raises an automation exception; the caller owns the texts.
        if (exception != nullptr) {
            *exception = EXCEPINFO();
            exception->wCode = 1001;
            exception->bstrSource = SysAllocString(L"Ravo2.Application");
            exception->bstrDescription = SysAllocString(L"command refused");
        }
        return DISP_E_EXCEPTION;
    }

private:
    FakeHostObject& owner_;
};

void writeProgIdKey()
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, ClsidKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot write the programmatic identifier");
    }
    const DWORD bytes = static_cast<DWORD>((lstrlenW(ClassText) + 1) * sizeof(wchar_t));
    const LONG status = RegSetValueExW(key, nullptr, 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(ClassText), bytes);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) {
        throw std::runtime_error("cannot write the class of the programmatic identifier");
    }
}

}  // namespace

struct FakeHostObject::Registration {
    explicit Registration(FakeHostObject& owner) : object(owner) {}
    HostDispatch object;
    CLSID clsid = {};
    DWORD cookie = 0;
    bool running = false;
};

FakeHostObject::FakeHostObject(const StatsPlugin&) : registration_(new Registration(*this))
{
    // The host's thread is a single-threaded apartment; the plug-in runs on it.
    if (FAILED(CoInitialize(nullptr))) {
        throw std::runtime_error("cannot initialise COM");
    }
    CLSIDFromString(const_cast<LPOLESTR>(ClassText), &registration_->clsid);
    writeProgIdKey();
}

FakeHostObject::~FakeHostObject()
{
    stopRunning();
    RegDeleteKeyA(HKEY_CLASSES_ROOT, ClsidKey);
    RegDeleteKeyA(HKEY_CLASSES_ROOT, ProgIdKey);
    CoUninitialize();
}

void FakeHostObject::startRunning()
{
    Registration& r = *registration_;
    if (FAILED(RegisterActiveObject(&r.object, r.clsid, ACTIVEOBJECT_STRONG, &r.cookie))) {
        throw std::runtime_error("cannot register the running object");
    }
    r.running = true;
}

void FakeHostObject::stopRunning()
{
    Registration& r = *registration_;
    if (r.running) {
        RevokeActiveObject(r.cookie, nullptr);
    }
    r.running = false;
}
