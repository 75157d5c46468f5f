// The log in one mail message, as a mail server pipes it: the first attachment, or else the
// first text part holding a Cabrillo log, or the body itself. Debian has no MIME library
// installed here (GMime is not), and the robot needs only this much of MIME.
#pragma once

#include <string>

// A message that is no mail at all (it starts with START-OF-LOG:) is the log itself. False,
// with why, when the message holds no part to take.
bool logFromMail(const std::string& message, std::string& log, std::string& why);

// Content-Transfer-Encoding bodies.
std::string decodeBase64(const std::string& text);
std::string decodeQuotedPrintable(const std::string& text);
