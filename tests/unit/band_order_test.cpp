// Band order: the summary's orders written out, among them the exact permutation the exchange
// sort makes of texts that are equal once padded.
#include "scoring/band_order.h"

#include <gtest/gtest.h>

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
    {{"00", "0", "", "00000000000000000000", "8"}, {"8", "0", "", "00000000000000000000", "00"}},
    // Longer than the padding: compared as they are.
    {{"9", "012345678901234567890", "12345678901234567890", "123456789012345678901"},
     {"123456789012345678901", "12345678901234567890", "012345678901234567890", "9"}},
    {{"\xff", "8\xe9", "\xe9" "8", "0160", "160", "1.8"},
     {"0160", "160", "1.8", "\xe9" "8", "8\xe9", "\xff"}},
    {{"10m", "10M", "160", "0160"}, {"160", "0160", "10m", "10M"}},
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

}  // namespace
