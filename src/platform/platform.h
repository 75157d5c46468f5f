// The platform seam: every service the plug-in takes from the operating system. One Win32 and
// one POSIX back end implement it; nothing above this header includes a system header.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/date_time_parts.h"

namespace platform {

// Settings file: the private-profile calls. Paths use "\" as the folder separator and are
// relative to the current folder. The value is returned whole, whatever its length.
std::string readProfileString(const std::string& section, const std::string& key,
                              const std::string& defaultValue, const std::string& file);
bool writeProfileString(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& file);

// Message boxes. A null caption leaves the platform's own default caption.
enum MessageBoxStyle : unsigned { MbOk = 0x0, MbIconInformation = 0x40 };
enum class MessageBoxOwner { None, ActiveWindow };
void showMessageBox(const std::string& text, const char* caption, unsigned style,
                    MessageBoxOwner owner = MessageBoxOwner::None);

// The system clock in UTC, to the second.
DateTimeParts utcNow();

// The Cabrillo header dialog: one text per control, named and ordered as the fields of the
// header record. A line break typed into the soapbox is "\r\n".
struct HeaderDialogTexts {
    std::string callsign;
    std::string operators;
    std::string name;
    std::string address;
    std::string addressCity;
    std::string addressPostalCode;
    std::string addressCountry;
    std::string claimed;
    std::string contest;
    std::string categoryOperator;
    std::string categoryBand;
    std::string categoryPower;
    std::string categoryMode;
    std::string categoryOverlay;
    std::string email;
    std::string club;
    std::string soapBox;
};

// Lines: a box of several lines, where Enter starts a new line. Combo: an editable drop-down.
enum class ControlKind { Edit, Lines, Combo };

struct HeaderControl {
    int id;
    const char* label;
    ControlKind kind;
    std::vector<std::string> items;  // combo boxes: in the order they are added
    std::string HeaderDialogTexts::*text;
    int exchange;  // place in the exchange of texts with the controls, from 1
};

// What the caller knows of the dialog: the template of this module that lays it out (Win32),
// its caption, and its controls from top to bottom.
struct HeaderDialogLayout {
    int templateId;
    const char* caption;
    std::vector<HeaderControl> controls;
};

// Shows the dialog modally, with no owner, starting from texts. True when the operator
// confirmed with OK: texts then hold what the controls held. Otherwise (CANCEL, closed, or the
// dialog could not be shown at all) false, and texts are as they were.
bool showHeaderDialog(const HeaderDialogLayout& layout, HeaderDialogTexts& texts);

// Output files. The bytes become the whole new content of path ("\" separators, relative to
// the current folder): written to a temporary file beside it, flushed and closed, which then
// replaces the target. False when any step failed; the target is then as it was before.
bool writeWholeFile(const std::string& path, const std::string& bytes);

// Test hook: the n-th file step from now on (creating the temporary file, each write, the
// flush, the close, the replacement) fails as a full disk would; 0 lets every step succeed.
void failNthFileStep(unsigned n);

// The host's executables. True when path names a file that can be opened for reading with no
// sharing; it is closed again at once and never read.
bool canOpenExclusively(const std::string& path);
// The dwFileVersionMS and dwFileVersionLS of the fixed file information in the version
// resource of an executable. A bare name is looked up as the system looks up version
// resources (Windows: the library search order; POSIX: the current folder). False, the
// numbers untouched, when none could be read.
bool readFileVersion(const std::string& path, uint32_t& versionMs, uint32_t& versionLs);

// Automation: the running object that a program registers under a programmatic identifier.
// Above this seam a dispatch reference is opaque; each one held must be released once.
struct AutomationObject;

// One attempt to reach a running object: looks up the class registered for progId, brings up
// the automation services on the calling thread, asks the running object of that class for its
// dispatch reference and drops the object reference it went through. The services stay up
// until the attempt ends, and come down then only if this attempt brought them up.
class AutomationAttempt {
public:
    explicit AutomationAttempt(const char* progId);
    ~AutomationAttempt();
    AutomationAttempt(const AutomationAttempt&) = delete;
    AutomationAttempt& operator=(const AutomationAttempt&) = delete;

    // The dispatch reference found, or null; the caller owns it from then on. One that is not
    // taken is released when the attempt ends.
    AutomationObject* takeDispatch()
    {
        AutomationObject* taken = found_;
        found_ = nullptr;
        return taken;
    }

private:
    AutomationObject* found_ = nullptr;
    [[maybe_unused]] bool servicesUp_ = false;  // only Windows brings services up
};

// Calls method member of object with one text argument (8-bit, the ANSI code page) and no
// result. False when the call failed, an exception raised by the object included.
bool invokeWithText(AutomationObject* object, long member, const char* text);

// Drops one reference to object; null is allowed.
void releaseAutomationObject(AutomationObject* object);

}  // namespace platform
