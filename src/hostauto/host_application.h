// Client of the host's automation object: owns the one dispatch reference the set-up obtains
// and calls the host's members through it.
#pragma once

namespace platform {
struct AutomationObject;
}

// The host's Application interface as this client declares it: members by dispatch number,
// with their kinds and types. Only SendCommand's member is ever called.
enum class HostMemberKind { Property, Method };
enum class HostValueType { None, Long, Double, Text, Variant };

struct HostMember {
    long dispatchId;
    HostMemberKind kind;
    HostValueType parameter;  // a property's put, or a method's one argument
    HostValueType result;     // a property's get, or a method's result
};

inline constexpr HostMember HostApplicationMembers[] = {
    {1, HostMemberKind::Property, HostValueType::Long, HostValueType::Long},
    {2, HostMemberKind::Property, HostValueType::Double, HostValueType::Double},
    {3, HostMemberKind::Property, HostValueType::Double, HostValueType::Double},
    {4, HostMemberKind::Property, HostValueType::Double, HostValueType::Double},
    {5, HostMemberKind::Property, HostValueType::Double, HostValueType::Double},
    {6, HostMemberKind::Property, HostValueType::Double, HostValueType::Double},
    {7, HostMemberKind::Property, HostValueType::Text, HostValueType::Text},
    {8, HostMemberKind::Method, HostValueType::Long, HostValueType::Variant},
    {9, HostMemberKind::Method, HostValueType::None, HostValueType::Long},
    {10, HostMemberKind::Method, HostValueType::Text, HostValueType::None},
    {11, HostMemberKind::Method, HostValueType::Text, HostValueType::None},
    {16, HostMemberKind::Method, HostValueType::Text, HostValueType::None},
};

inline constexpr long SendCommandMember = 16;

class CHostApplication {
public:
    CHostApplication() = default;
    // Releases a held reference while autoRelease is set (always, for this client).
    ~CHostApplication();
    CHostApplication(const CHostApplication&) = delete;
    CHostApplication& operator=(const CHostApplication&) = delete;

    // Takes over a reference the caller owns, without counting it again; a reference held
    // before is released.
    void attach(platform::AutomationObject* reference);
    // Releases the held reference, if any, and holds none.
    void release();
    bool attached() const { return dispatch != nullptr; }

    // Sends text to the host through member 16. False when nothing is held or the call did not
    // return normally (a failure result, or an exception raised by the host).
    bool SendCommand(const char* text);

private:
    platform::AutomationObject* dispatch = nullptr;
    int autoRelease = 1;
};
