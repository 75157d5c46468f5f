// The writer's text replacement.
#include "cabrillo/cabrillo_writer.h"

std::string CCabrilloWriter::ReplaceAll(const std::string& source, const std::string& search,
                                        const std::string& replacement)
{
    if (search.empty()) {
        return source;
    }
    std::string result;
    std::string::size_type rest = 0;
    for (std::string::size_type found = source.find(search); found != std::string::npos;
         found = source.find(search, rest)) {
        result.append(source, rest, found - rest);
        result += replacement;
        rest = found + search.size();
    }
    result.append(source, rest, std::string::npos);
    return result;
}
