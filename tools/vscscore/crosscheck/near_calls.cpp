// Near calls by the deletion neighbourhood, weighed by confusion classes.
#include "crosscheck/near_calls.h"

#include <algorithm>

namespace {

// Characters that sound or look alike when keyed or spoken: Morse runs of dits and dahs,
// letters that rhyme in speech, a digit and the letter that starts the same.
const char* const Confusions[] = {
    "EISH5", "TMO0", "AWJ1", "UV4", "NDB6", "AR", "KC", "GZ7", "80", "90", "23", "BDEGPTVZ3",
    "MN", "FS", "AJK", "QU", "IY", "OW", "R9",
};

bool confusable(char a, char b)
{
    for (const char* set : Confusions) {
        std::string_view s(set);
        if (s.find(a) != std::string_view::npos && s.find(b) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

uint64_t hashOf(std::string_view text, std::size_t skip)
{
    uint64_t hash = 1469598103934665603ull;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i != skip) {
            hash = (hash ^ static_cast<unsigned char>(text[i])) * 1099511628211ull;
        }
    }
    return hash ^ (hash >> 31);
}

// The call without a designator of up to three characters after its last slash ("/P",
// "/M", "/QRP").
std::string_view baseCall(std::string_view call)
{
    const std::size_t slash = call.rfind('/');
    return slash != std::string_view::npos && slash > 0 && call.size() - slash <= 4
               ? call.substr(0, slash)
               : call;
}

}  // namespace

double nearCallWeight(std::string_view heard, std::string_view real)
{
    const std::size_t n = heard.size();
    const std::size_t m = real.size();
    if (heard != real && n > 0 && m > 0 && baseCall(heard) == baseCall(real)) {
        return 0.8;
    }
    if (heard == real || (n > m + 1) || (m > n + 1) || n == 0 || m == 0) {
        return 0.0;
    }
    std::size_t prefix = 0;
    while (prefix < n && prefix < m && heard[prefix] == real[prefix]) {
        ++prefix;
    }
    if (n == m) {
        if (heard.substr(prefix + 1) == real.substr(prefix + 1)) {
            return confusable(heard[prefix], real[prefix]) ? 0.9 : 0.4;
        }
        if (prefix + 1 < n && heard[prefix] == real[prefix + 1] &&
            heard[prefix + 1] == real[prefix] && heard.substr(prefix + 2) == real.substr(prefix + 2)) {
            return 0.7;
        }
        return 0.0;
    }
    // One character dropped from the longer one; a dot or a dit lost is the likelier.
    const std::string_view longer = n > m ? heard : real;
    const std::string_view shorter = n > m ? real : heard;
    if (longer.substr(prefix + 1) != shorter.substr(prefix)) {
        return 0.0;
    }
    const char extra = longer[prefix];
    return (extra == 'E' || extra == 'I' || extra == 'T') ? 0.6 : 0.5;
}

void NearCallIndex::add(NameId call)
{
    const std::string_view text = names_.text(call);
    filed_.push_back({hashOf(text, std::string_view::npos), call});
    for (std::size_t skip = 0; skip < text.size(); ++skip) {
        filed_.push_back({hashOf(text, skip), call});
    }
}

void NearCallIndex::finish()
{
    std::sort(filed_.begin(), filed_.end());
    filed_.erase(std::unique(filed_.begin(), filed_.end(),
                             [](const Filed& a, const Filed& b) {
                                 return a.key == b.key && a.call == b.call;
                             }),
                 filed_.end());
}

void NearCallIndex::lookUp(std::string_view call, std::vector<NameId>& found) const
{
    found.clear();
    auto gather = [&](uint64_t key) {
        auto at = std::lower_bound(filed_.begin(), filed_.end(), Filed{key, 0});
        for (; at != filed_.end() && at->key == key; ++at) {
            if (nearCallWeight(call, names_.text(at->call)) > 0.0) {
                found.push_back(at->call);
            }
        }
    };
    gather(hashOf(call, std::string_view::npos));
    for (std::size_t skip = 0; skip < call.size(); ++skip) {
        gather(hashOf(call, skip));
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
}
