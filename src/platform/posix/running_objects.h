// The native build's stand-in for the system's table of running automation objects. A host
// (the driver, a test) registers an object under a programmatic identifier, and the plug-in
// reaches it as the Windows build reaches a COM object: counted references, and method calls
// by member number. libStats.so exports the two functions under these names.
#pragma once

extern "C" {

struct StatsRunningObject {
    void* context;
    void (*addRef)(void* context);
    void (*release)(void* context);
    // Nonzero when the object offers its dispatch interface; it then counts one more reference.
    int (*queryDispatch)(void* context);
    // Calls method member with one text; 0 when the call returned normally.
    int (*invoke)(void* context, int member, const char* text);
};

// Registers a copy of object under progId, replacing an earlier one; 0 when progId or a
// callback is null. The table takes no reference: the host keeps its object alive while it
// is registered.
int StatsRegisterRunningObject(const char* progId, const StatsRunningObject* object);

// Takes progId out of the table; 0 when nothing was registered under it.
int StatsRevokeRunningObject(const char* progId);

}  // extern "C"
