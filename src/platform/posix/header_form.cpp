// POSIX stand-in for the Cabrillo header dialog: a form on the controlling terminal. Standard
// input and output belong to the host, so the form uses /dev/tty only; without one it cannot
// be shown, which counts as not confirmed.
#include "platform/platform.h"

#include <fcntl.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>

namespace platform {

namespace {

class Terminal {
public:
    Terminal() : fd_(::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC)) {}
    ~Terminal()
    {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    bool isOpen() const { return fd_ >= 0; }

    bool write(const std::string& text)
    {
        for (std::size_t done = 0; done < text.size();) {
            const ssize_t wrote = ::write(fd_, text.data() + done, text.size() - done);
            if (wrote < 0 && errno == EINTR) {
                continue;
            }
            if (wrote <= 0) {
                return false;
            }
            done += static_cast<std::size_t>(wrote);
        }
        return true;
    }

    // One line without its end; false at the end of input or on an error.
    bool readLine(std::string& line)
    {
        line.clear();
        for (;;) {
            char c = 0;
            const ssize_t got = ::read(fd_, &c, 1);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                return false;
            }
            if (c == '\n') {
                break;
            }
            line += c;
        }
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        return true;
    }

private:
    int fd_;
};

const char* const Empties = "-";

bool beginsWithIgnoringCase(const std::string& item, const std::string& prefix)
{
    if (prefix.size() > item.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const auto a = static_cast<unsigned char>(item[i]);
        const auto b = static_cast<unsigned char>(prefix[i]);
        if (std::tolower(a) != std::tolower(b)) {
            return false;
        }
    }
    return true;
}

// What a control shows when the form opens with text: a combo box takes the first item that
// begins with it, ignoring case, as the Win32 dialog selects it; otherwise the text stands.
std::string startingText(const HeaderControl& control, const std::string& text)
{
    if (control.kind != ControlKind::Combo || text.empty()) {
        return text;
    }
    for (const std::string& item : control.items) {
        if (beginsWithIgnoringCase(item, text)) {
            return item;
        }
    }
    return text;
}

std::string itemList(const HeaderControl& control)
{
    std::string list;
    for (const std::string& item : control.items) {
        list += list.empty() ? " (" : " | ";
        list += item.empty() ? "(empty)" : item;
    }
    return list.empty() ? list : list + ")";
}

// The soapbox's lines as the terminal shows them: every kind of line break ends one.
std::string indentedLines(const std::string& text)
{
    std::string shown = "    ";
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            shown += "\n    ";
        } else {
            shown += text[i];
        }
    }
    return shown + "\n";
}

// Several lines up to an empty one, joined as the dialog's box joins them.
bool askLines(Terminal& terminal, const HeaderControl& control, std::string& value)
{
    if (!terminal.write(std::string(control.label) + ", now:\n" + indentedLines(value) +
                        "  new lines, an empty line ends them: ")) {
        return false;
    }
    std::string line;
    if (!terminal.readLine(line)) {
        return false;
    }
    if (line.empty()) {
        return true;
    }
    if (line == Empties) {
        value.clear();
        return true;
    }
    std::string lines = line;
    for (;;) {
        if (!terminal.write("  : ") || !terminal.readLine(line)) {
            return false;
        }
        if (line.empty()) {
            break;
        }
        lines += "\r\n" + line;
    }
    value = lines;
    return true;
}

bool askLine(Terminal& terminal, const HeaderControl& control, std::string& value)
{
    if (!terminal.write(std::string(control.label) + itemList(control) + " [" + value + "]: ")) {
        return false;
    }
    std::string line;
    if (!terminal.readLine(line)) {
        return false;
    }
    if (line == Empties) {
        value.clear();
    } else if (!line.empty()) {
        value = line;
    }
    return true;
}

bool askConfirmed(Terminal& terminal, bool& confirmed)
{
    for (;;) {
        std::string answer;
        if (!terminal.write("OK or CANCEL [OK]: ") || !terminal.readLine(answer)) {
            return false;
        }
        if (answer.empty() || answer == "OK" || answer == "ok") {
            confirmed = true;
            return true;
        }
        if (answer == "CANCEL" || answer == "cancel") {
            confirmed = false;
            return true;
        }
    }
}

}  // namespace

bool showHeaderDialog(const HeaderDialogLayout& layout, HeaderDialogTexts& texts)
{
    Terminal terminal;
    if (!terminal.isOpen()) {
        return false;
    }
    HeaderDialogTexts edited = texts;
    if (!terminal.write("\n" + std::string(layout.caption) +
                        ": Cabrillo header. Enter keeps a value, a lone " +
                        std::string(Empties) + " empties it.\n")) {
        return false;
    }
    for (const HeaderControl& control : layout.controls) {
        std::string& value = edited.*(control.text);
        value = startingText(control, value);
        const bool answered = control.kind == ControlKind::Lines
                                  ? askLines(terminal, control, value)
                                  : askLine(terminal, control, value);
        if (!answered) {
            return false;
        }
    }
    bool confirmed = false;
    if (!askConfirmed(terminal, confirmed) || !confirmed) {
        return false;
    }
    texts = edited;
    return true;
}

}  // namespace platform
