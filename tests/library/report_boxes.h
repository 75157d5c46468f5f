// The export reports the plug-in shows to the operator, collected while an action runs. A
// header dialog that opens meanwhile is cancelled, as an operator who keeps the stored values.
#pragma once

#include <functional>
#include <string>
#include <vector>

// The texts of the "Output" boxes shown while action ran, in order.
std::vector<std::string> reportsShownBy(const std::function<void()>& action);
