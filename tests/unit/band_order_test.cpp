// Band order: the summary's documented orders, and the exact permutation of the exchange sort
// on random lists full of texts that are equal once padded.
#include "scoring/band_order.h"

#include <gtest/gtest.h>

#include <random>

#include "support/bytes.h"

namespace {

std::string listed(const BandList& bands)
{
    std::string out = "{";
    for (const std::string& band : bands) {
        out += (out.size() > 1 ? ", " : "") + support::escaped(band);
    }
    return out + "}";
}

struct OrderRow {
    BandList bands;
    BandList expected;
};

const std::string Twenty8 = "00000000000000000008";  // 20 bytes, pads to the same as "8"

const OrderRow orderRows[] = {
    {{"10", "160", "80", "40"}, {"160", "80", "40", "10"}},
    {{"160m", "80m", "40m", "10m"}, {"160m", "80m", "40m", "10m"}},
    {{"2m", "70cm", "10m"}, {"70cm", "10m", "2m"}},
    {{"3.5", "1.8", "28", "21", "14", "7"}, {"3.5", "1.8", "28", "21", "14", "7"}},
    {{"", "7"}, {"7", ""}},
    {{"", "1", "0"}, {"1", "", "0"}},
    {{"0", ""}, {"0", ""}},
    {{"20M", "20m"}, {"20m", "20M"}},
    {{"\x80", "z"}, {"\x80", "z"}},
    // Equal padded texts: the exchange sort moves "80" behind "080".
    {{"80", "080", "90"}, {"90", "080", "80"}},
    {{"8", Twenty8, "9"}, {"9", Twenty8, "8"}},
    {{}, {}},
    {{"40"}, {"40"}},
};

TEST(BandOrder, DocumentedOrders)
{
    for (const OrderRow& row : orderRows) {
        BandList bands = row.bands;
        orderBands(bands);
        EXPECT_EQ(bands, row.expected) << "input " << listed(row.bands) << "\n got "
                                       << listed(bands) << "\n expected " << listed(row.expected);
    }
}

// The summary's exchange sort, written out as it reads: fresh padded copies on every compare.
void exchangeSortReference(BandList& bands)
{
    const auto pad = [](std::string text) {
        while (text.size() < 20) {
            text.insert(0, "0");
        }
        return text;
    };
    const auto before = [](const std::string& a, const std::string& b) {
        for (std::size_t k = 0; k < a.size() && k < b.size(); ++k) {
            const auto x = static_cast<unsigned char>(a[k]);
            const auto y = static_cast<unsigned char>(b[k]);
            if (x != y) {
                return x < y;
            }
        }
        return a.size() < b.size();
    };
    for (std::size_t i = 0; i + 1 < bands.size(); ++i) {
        for (std::size_t j = i + 1; j < bands.size(); ++j) {
            if (before(pad(bands[i]), pad(bands[j]))) {
                std::swap(bands[i], bands[j]);
            }
        }
    }
}

TEST(BandOrder, MatchesExchangeSortOnRandomLists)
{
    const BandList pool = {
        "80", "080", "0080", Twenty8, "", "0", "00", "00000000000000000000", "8", "160",
        "0160", "1.8", "10m", "10M", "\x80", "\xff", "8\xe9", "\xe9" "8",
        "123456789012345678901", "012345678901234567890", "12345678901234567890",
    };
    std::mt19937 random(20140601);
    std::uniform_int_distribution<std::size_t> pick(0, pool.size() - 1);
    std::uniform_int_distribution<std::size_t> length(0, 9);
    for (int round = 0; round < 50000; ++round) {
        BandList bands(length(random));
        for (std::string& band : bands) {
            band = pool[pick(random)];
        }
        BandList expected = bands;
        exchangeSortReference(expected);
        BandList got = bands;
        orderBands(got);
        ASSERT_EQ(got, expected) << "input " << listed(bands) << "\n got " << listed(got)
                                 << "\n expected " << listed(expected);
    }
}

}  // namespace
