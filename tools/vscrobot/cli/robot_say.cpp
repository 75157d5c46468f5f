// A log's call or a client's value can hold escape sequences; shownText makes them visible.
#include "vscrobot/cli/robot_say.h"

#include <cstdio>

#include "cli/shown_text.h"

void robotSay(const std::string& text)
{
    std::fprintf(stderr, "vscrobot: %s\n", shownText(text).c_str());
}
