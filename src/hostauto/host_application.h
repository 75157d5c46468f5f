// Client of the host's automation object: holds the one reference the set-up obtains.
#pragma once

class CHostApplication {
public:
    CHostApplication() = default;
    CHostApplication(const CHostApplication&) = delete;
    CHostApplication& operator=(const CHostApplication&) = delete;

    bool attached() const { return dispatch != nullptr; }

    // The host object's dispatch interface, or null; owned when autoRelease is set.
    void* dispatch = nullptr;
    int autoRelease = 1;
};
