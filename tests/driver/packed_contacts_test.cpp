// The export's packed contacts: every field back as it went in, in order or not.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/packed_contacts.h"

namespace {

LogContact contact(std::size_t record, const std::string& call, const std::string& exch,
                   DateTimeParts when, unsigned hz)
{
    LogContact c;
    c.record = record;
    c.when = when;
    c.host.call = call;
    c.host.frequencyHz = hz;
    c.host.mode = "CW";
    c.host.rstSent = "599";
    c.host.rstRcvd = "57";
    c.host.exchSent = "5";
    c.host.exchRcvd = exch;
    c.host.band = "20";
    double value = 0.0;
    makeOleDate(when, value);
    c.host.time = DateRecord::make(value);
    return c;
}

std::string text(const LogContact& c)
{
    const HostContact& h = c.host;
    return std::to_string(c.record) + "|" + formatDateParts(c.when, "%Y-%m-%d %H:%M:%S") + "|" +
           formatDateRecord(h.time, "%Y-%m-%d %H:%M:%S") + "|" + std::to_string(h.frequencyHz) +
           "|" + h.call + "|" + h.mode + "|" + h.rstSent + "|" + h.rstRcvd + "|" + h.exchSent +
           "|" + h.exchRcvd + "|" + h.aux1 + "|" + h.aux2 + "|" + h.band;
}

TEST(PackedContacts, GivesBackEveryField)
{
    const std::string zero("A\0B", 3);
    // One row per kind of value: plain, texts empty, a text longer than one length byte holds,
    // a zero byte inside, the largest numbers.
    std::vector<LogContact> rows = {
        contact(1, "Q1ABC", "12", {2025, 2, 15, 6, 5, 7}, 14025000),
        contact(2, "", "", {1930, 1, 1, 0, 0, 0}, 0),
        contact(3, "Q2ABC", std::string(300, 'x'), {2025, 12, 31, 23, 59, 59}, 7000000),
        contact(4, zero, zero, {2099, 6, 30, 12, 0, 0}, 4294967295u),
        contact(static_cast<std::size_t>(-1), "Q3ABC", "1", {2025, 2, 16, 0, 0, 1}, 1),
    };
    rows[1].host.mode.clear();
    rows[1].host.band.clear();
    // Enough contacts to fill several blocks.
    for (std::size_t i = 0; i < 40; ++i) {
        rows.push_back(contact(10 + i, "Q" + std::to_string(i), std::to_string(i),
                               {2025, 2, 15, 7, static_cast<int>(i), 0}, 21000000 + i));
    }
    std::vector<std::string> want;
    for (const LogContact& c : rows) {
        want.push_back(text(c));
    }
    PackedContacts packed;
    for (const LogContact& c : rows) {
        packed.add(c);
    }
    packed.shrink();
    ASSERT_EQ(want.size(), packed.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(want[i], text(packed.at(i))) << "in order, contact " << i;
    }
    for (std::size_t i : {44u, 3u, 17u, 18u, 16u, 0u, 31u, 2u}) {
        EXPECT_EQ(want[i], text(packed.at(i))) << "out of order, contact " << i;
    }
    // Set aside on disk while the plug-in writes, and taken back whole.
    if (packed.setAside()) {
        ASSERT_TRUE(packed.takeBack());
    }
    for (std::size_t i : {7u, 44u, 0u}) {
        EXPECT_EQ(want[i], text(packed.at(i))) << "after setting aside, contact " << i;
    }
}

}  // namespace
