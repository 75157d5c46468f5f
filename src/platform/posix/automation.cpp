// POSIX back end of the automation services: the running-object table that the host fills
// through the library's exports, used in the same steps as the system's own on Windows.
#include <map>
#include <new>
#include <string>

#include "platform/platform.h"
#include "platform/posix/running_objects.h"

namespace platform {

struct AutomationObject {
    StatsRunningObject object;
};

}  // namespace platform

namespace {

std::map<std::string, StatsRunningObject>& runningObjects()
{
    static std::map<std::string, StatsRunningObject> objects;
    return objects;
}

}  // namespace

extern "C" int StatsRegisterRunningObject(const char* progId, const StatsRunningObject* object)
{
    if (progId == nullptr || object == nullptr || object->addRef == nullptr ||
        object->release == nullptr || object->queryDispatch == nullptr ||
        object->invoke == nullptr) {
        return 0;
    }
    try {
        runningObjects()[progId] = *object;
        return 1;
    } catch (...) {
        return 0;
    }
}

extern "C" int StatsRevokeRunningObject(const char* progId)
{
    if (progId == nullptr) {
        return 0;
    }
    try {
        return runningObjects().erase(progId) == 1 ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

namespace platform {

AutomationAttempt::AutomationAttempt(const char* progId)
{
    // There are no services to bring up: the table is always there.
    const auto& objects = runningObjects();
    const auto entry = progId != nullptr ? objects.find(progId) : objects.end();
    if (entry == objects.end()) {
        return;
    }
    const StatsRunningObject object = entry->second;
    // The running object's reference, then its dispatch reference in exchange, as with COM.
    object.addRef(object.context);
    const bool offersDispatch = object.queryDispatch(object.context) != 0;
    object.release(object.context);
    if (!offersDispatch) {
        return;
    }
    found_ = new (std::nothrow) AutomationObject{object};
    if (found_ == nullptr) {
        object.release(object.context);
    }
}

AutomationAttempt::~AutomationAttempt()
{
    releaseAutomationObject(found_);
}

bool invokeWithText(AutomationObject* object, long member, const char* text)
{
    if (object == nullptr) {
        return false;
    }
    const StatsRunningObject& callee = object->object;
    return callee.invoke(callee.context, static_cast<int>(member), text != nullptr ? text : "") ==
           0;
}

void releaseAutomationObject(AutomationObject* object)
{
    if (object == nullptr) {
        return;
    }
    object->object.release(object->object.context);
    delete object;
}

}  // namespace platform
