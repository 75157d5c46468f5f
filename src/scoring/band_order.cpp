// Band ordering by an exchange sort: the list holds a handful of bands, and the exchange sort's
// own placement of equal keys is the order users have always seen, so it is kept as it is.
#include "scoring/band_order.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace {

const std::size_t PaddedWidth = 20;

std::string paddedKey(const std::string& band)
{
    if (band.size() >= PaddedWidth) {
        return band;
    }
    return std::string(PaddedWidth - band.size(), '0') + band;
}

}  // namespace

void orderBands(BandList& bands)
{
    // Keys are computed once and travel with their entries; std::string compares char as
    // unsigned char, which is the byte order wanted.
    std::vector<std::string> keys;
    keys.reserve(bands.size());
    for (const std::string& band : bands) {
        keys.push_back(paddedKey(band));
    }
    for (std::size_t i = 0; i + 1 < bands.size(); ++i) {
        for (std::size_t j = i + 1; j < bands.size(); ++j) {
            if (keys[i] < keys[j]) {
                std::swap(keys[i], keys[j]);
                std::swap(bands[i], bands[j]);
            }
        }
    }
}
