// What a log with no contacts must not replace: a Cabrillo file with QSO lines, or a claimed
// score other than 0 in the plug-in's settings.
#pragma once

#include <string>

// Why the export (cabrilloName given) or the score (cabrilloName empty) of a log with no
// contacts would replace something with contacts; empty when nothing would be lost.
std::string emptyLogWouldReplace(const std::string& cabrilloName);

// True, after saying why, when the log has no contacts and its summary or file would replace
// one with contacts.
bool emptyLogRefused(bool noContacts, const std::string& cabrilloName);
