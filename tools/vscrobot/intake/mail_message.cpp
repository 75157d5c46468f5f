// Headers unfolded and matched without case; multipart bodies split on their boundary lines,
// nested ones too; base64 and quoted-printable decoded. Nothing here names a file on disk.
#include "vscrobot/intake/mail_message.h"

#include <cctype>
#include <map>
#include <vector>

namespace {

struct Part {
    std::map<std::string, std::string> headers;  // lower-case names
    std::string body;
};

std::string lower(std::string text)
{
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

std::string trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return std::string();
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

Part splitPart(const std::string& text)
{
    Part part;
    std::size_t at = 0;
    std::string last;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty()) {
            part.body = at < text.size() ? text.substr(at) : std::string();
            return part;
        }
        if ((line[0] == ' ' || line[0] == '\t') && !last.empty()) {
            part.headers[last] += " " + trimmed(line);
            continue;
        }
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) {
            continue;  // an mbox "From " line, or noise
        }
        last = lower(trimmed(line.substr(0, colon)));
        part.headers[last] = trimmed(line.substr(colon + 1));
    }
    return part;
}

// A parameter of a header value: boundary="x" or name=x.
std::string parameter(const std::string& value, const std::string& name)
{
    const std::string low = lower(value);
    std::size_t at = 0;
    while ((at = low.find(name + "=", at)) != std::string::npos) {
        if (at == 0 || low[at - 1] == ';' || low[at - 1] == ' ' || low[at - 1] == '\t') {
            std::string rest = value.substr(at + name.size() + 1);
            if (!rest.empty() && rest[0] == '"') {
                return rest.substr(1, rest.find('"', 1) - 1);
            }
            return trimmed(rest.substr(0, rest.find(';')));
        }
        at += name.size();
    }
    return std::string();
}

std::string header(const Part& part, const std::string& name)
{
    const auto it = part.headers.find(name);
    return it == part.headers.end() ? std::string() : it->second;
}

std::vector<std::string> multipartBodies(const std::string& body, const std::string& boundary)
{
    std::vector<std::string> parts;
    const std::string delimiter = "--" + boundary;
    std::size_t at = 0;
    std::size_t start = std::string::npos;
    while (at <= body.size()) {
        std::size_t end = body.find('\n', at);
        if (end == std::string::npos) {
            end = body.size();
        }
        const std::string line = trimmed(body.substr(at, end - at));
        if (line == delimiter || line == delimiter + "--") {
            if (start != std::string::npos) {
                // The line end before the delimiter belongs to it.
                std::size_t stop = at;
                if (stop > start && body[stop - 1] == '\n') {
                    --stop;
                }
                if (stop > start && body[stop - 1] == '\r') {
                    --stop;
                }
                parts.push_back(body.substr(start, stop - start));
            }
            if (line != delimiter) {
                break;
            }
            start = end + 1;
        }
        at = end + 1;
    }
    return parts;
}

std::string decoded(const Part& part)
{
    const std::string encoding = lower(header(part, "content-transfer-encoding"));
    if (encoding == "base64") {
        return decodeBase64(part.body);
    }
    if (encoding == "quoted-printable") {
        return decodeQuotedPrintable(part.body);
    }
    return part.body;
}

bool holdsLog(const std::string& text)
{
    return text.find("START-OF-LOG:") != std::string::npos;
}

// The attachment first; else a text part holding a log. Depth bounds nested multiparts.
bool findLog(const Part& part, int depth, std::string& log, bool& attachment)
{
    const std::string type = header(part, "content-type");
    const std::string boundary = parameter(type, "boundary");
    if (lower(type).compare(0, 10, "multipart/") == 0 && !boundary.empty() && depth < 8) {
        std::string text;
        for (const std::string& body : multipartBodies(part.body, boundary)) {
            std::string found;
            bool isAttachment = false;
            if (findLog(splitPart(body), depth + 1, found, isAttachment)) {
                if (isAttachment) {
                    log = found;
                    attachment = true;
                    return true;
                }
                if (text.empty()) {
                    text = found;
                }
            }
        }
        log = text;
        return !text.empty();
    }
    const std::string disposition = header(part, "content-disposition");
    attachment = !parameter(disposition, "filename").empty() ||
                 lower(disposition).compare(0, 10, "attachment") == 0 ||
                 !parameter(type, "name").empty();
    log = decoded(part);
    return attachment || holdsLog(log);
}

}  // namespace

bool logFromMail(const std::string& message, std::string& log, std::string& why)
{
    const std::size_t first = message.find_first_not_of(" \t\r\n\xef\xbb\xbf");
    if (first != std::string::npos && message.compare(first, 13, "START-OF-LOG:") == 0) {
        log = message;
        return true;
    }
    bool attachment = false;
    const Part top = splitPart(message);
    if (top.headers.empty()) {
        why = "neither a mail message nor a Cabrillo log";
        return false;
    }
    if (findLog(top, 0, log, attachment)) {
        return true;
    }
    why = "the message holds no attachment and no Cabrillo log in its text";
    return false;
}

std::string decodeBase64(const std::string& text)
{
    std::string out;
    unsigned value = 0;
    int bits = 0;
    for (char c : text) {
        int digit = c >= 'A' && c <= 'Z'   ? c - 'A'
                    : c >= 'a' && c <= 'z' ? c - 'a' + 26
                    : c >= '0' && c <= '9' ? c - '0' + 52
                    : c == '+'             ? 62
                    : c == '/'             ? 63
                                           : -1;
        if (c == '=') {
            break;
        }
        if (digit < 0) {
            continue;
        }
        value = (value << 6) | static_cast<unsigned>(digit);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((value >> bits) & 0xff);
        }
    }
    return out;
}

std::string decodeQuotedPrintable(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '=') {
            out += text[i];
            continue;
        }
        if (i + 1 < text.size() && (text[i + 1] == '\n' || text[i + 1] == '\r')) {
            i += text[i + 1] == '\r' && i + 2 < text.size() && text[i + 2] == '\n' ? 2 : 1;
            continue;
        }
        if (i + 2 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
            continue;
        }
        out += '=';
    }
    return out;
}
