// The fake host object in the native build: registered in the library's running-object table.
#include "fake_host_object.h"

#include <stdexcept>

#include "platform/posix/running_objects.h"

namespace {

const char* const ProgId = "Ravo2.Application";

FakeHostObject& self(void* context)
{
    return *static_cast<FakeHostObject*>(context);
}

void addRef(void* context)
{
    ++self(context).references;
}

void release(void* context)
{
    --self(context).references;
}

int queryDispatch(void* context)
{
    FakeHostObject& host = self(context);
    ++host.dispatchRequests;
    if (!host.offersDispatch) {
        return 0;
    }
    ++host.references;
    return 1;
}

int invoke(void* context, int member, const char* text)
{
    return self(context).receive(std::to_string(member) + " " + (text != nullptr ? text : "(null)"))
               ? 0
               : 1;
}

}  // namespace

struct FakeHostObject::Registration {
    const StatsPlugin& plugin;
    decltype(&StatsRegisterRunningObject) registerObject = nullptr;
    decltype(&StatsRevokeRunningObject) revokeObject = nullptr;
    bool running = false;
};

FakeHostObject::FakeHostObject(const StatsPlugin& plugin)
    : registration_(new Registration{plugin})
{
    registration_->registerObject = reinterpret_cast<decltype(&StatsRegisterRunningObject)>(
        findExport(plugin, "StatsRegisterRunningObject"));
    registration_->revokeObject = reinterpret_cast<decltype(&StatsRevokeRunningObject)>(
        findExport(plugin, "StatsRevokeRunningObject"));
    if (registration_->registerObject == nullptr || registration_->revokeObject == nullptr) {
        throw std::runtime_error("the library exports no running-object table");
    }
}

FakeHostObject::~FakeHostObject()
{
    stopRunning();
}

void FakeHostObject::startRunning()
{
    const StatsRunningObject object = {this, addRef, release, queryDispatch, invoke};
    if (registration_->registerObject(ProgId, &object) != 1) {
        throw std::runtime_error("cannot register the host object");
    }
    registration_->running = true;
}

void FakeHostObject::stopRunning()
{
    // The table goes with the library; once it is unloaded there is nothing to revoke.
    if (registration_->running && registration_->plugin.module != nullptr) {
        registration_->revokeObject(ProgId);
    }
    registration_->running = false;
}
