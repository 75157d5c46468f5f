// The copy is written by the driver itself, whole and renamed into place; the plug-in only
// ever replaces CALL.cbr.
#include "export/kept_copy.h"

#include "input/file_bytes.h"
#include "platform/utf8_files.h"

bool KeptCopy::keep(const std::string& name, std::string& reason)
{
    name_ = name;
    std::string ignored;
    existed_ = readFileBytes(name, old_, ignored);
    if (!existed_) {
        return true;
    }
    std::string copy;
    if (readFileBytes(name + "~", copy, ignored)) {
        kept_ = copy == old_;
    } else if (!replaceFileUtf8(name + "~", old_, reason)) {
        return false;
    } else {
        kept_ = madeNow_ = true;
    }
    // Once NAME~ holds them, the old bytes are read from there again: held here, they would
    // lie beside the plug-in's store while it writes the new file.
    if (kept_) {
        old_ = std::string();
    }
    return true;
}

std::string KeptCopy::settle()
{
    if (!existed_) {
        return std::string();
    }
    std::string now;
    std::string ignored;
    if (kept_ && !readFileBytes(name_ + "~", old_, ignored)) {
        old_ = std::string();
    }
    if (readFileBytes(name_, now, ignored) && now == old_) {
        if (madeNow_) {
            removeFileUtf8(name_ + "~");
        }
        return std::string();
    }
    std::string reason;
    if (!kept_ && !replaceFileUtf8(name_ + "~", old_, reason)) {
        return "the earlier " + name_ + " could not be kept as " + name_ + "~: " + reason;
    }
    return "the earlier " + name_ + ", which differs, is kept as " + name_ + "~";
}
