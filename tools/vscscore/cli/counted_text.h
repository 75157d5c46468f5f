// A count with its noun, singular or plural: "1 QSO", "2 warnings".
#pragma once

#include <cstddef>
#include <string>

// noun is singular and takes an "s" in the plural.
std::string counted(std::size_t count, const std::string& noun);
