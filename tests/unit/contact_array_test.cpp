// The contact array against a plain vector: order and positions across segment seams, merges
// and dropped segments, and the callsign pass.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "scoring/contact_array.h"

namespace {

constexpr std::size_t Seam = ContactArray::SegmentCapacity;
// Erasures that leave a full segment below a quarter.
constexpr std::size_t Sparse = Seam * 3 / 4 + 10;

CInfo numbered(std::size_t number, const std::string& call = "Q1AA")
{
    CInfo c;
    c.Call = call;
    c.ExchRcvd = std::to_string(number);
    return c;
}

std::vector<std::string> iterated(const ContactArray& array)
{
    std::vector<std::string> numbers;
    for (const CInfo& c : array) {
        numbers.push_back(c.ExchRcvd);
    }
    return numbers;
}

std::vector<std::string> indexed(const ContactArray& array)
{
    std::vector<std::string> numbers;
    for (std::size_t i = 0; i < array.size(); ++i) {
        numbers.push_back(array[i].ExchRcvd);
    }
    return numbers;
}

TEST(ContactArray, ErasingAnywhereKeepsTheOrderOfTheRest)
{
    struct Row {
        const char* what;
        std::function<std::size_t(std::size_t size, std::size_t k)> position;
        std::size_t times;
        std::size_t segments;  // left holding the order, of four at the start
    };
    const Row rows[] = {
        {"oldest, until the first segment is gone", [](std::size_t, std::size_t) { return 0; },
         Seam + 5, 3},
        {"newest", [](std::size_t size, std::size_t) { return size - 1; }, 10, 4},
        {"two sparse neighbours merge",
         [](std::size_t, std::size_t k) { return k < Sparse ? Seam : 0; }, 2 * Sparse, 3},
        {"first of the second segment", [](std::size_t, std::size_t) { return Seam; }, Seam, 3},
        {"middle", [](std::size_t size, std::size_t) { return size / 2; }, 2 * Seam, 3},
        {"every third from the back",
         [](std::size_t size, std::size_t) { return size - 1 - size / 3; }, 3 * Seam, 1},
    };
    for (const Row& row : rows) {
        ContactArray array;
        std::vector<std::size_t> model;  // numbers, as thousands of strings move slowly
        for (std::size_t i = 0; i < 3 * Seam + 100; ++i) {
            array.push_back(numbered(i));
            model.push_back(i);
        }
        for (std::size_t k = 0; k < row.times; ++k) {
            const std::size_t at = row.position(model.size(), k);
            array.erase(at);
            model.erase(model.begin() + static_cast<std::ptrdiff_t>(at));
        }
        std::vector<std::string> expected;
        for (std::size_t number : model) {
            expected.push_back(std::to_string(number));
        }
        EXPECT_EQ(iterated(array), expected) << row.what;
        EXPECT_EQ(indexed(array), expected) << row.what;
        EXPECT_EQ(array.segmentCount(), row.segments) << row.what;
        // Appending after the removals goes to the end.
        array.push_back(numbered(999999));
        EXPECT_EQ(array.back().ExchRcvd, "999999") << row.what;
    }
}

TEST(ContactArray, CallPassVisitsExactlyTheEqualCallsOldestFirst)
{
    // Calls that share the 12 bytes of the key, or differ only in length or case, sit on both
    // sides of a segment seam.
    const std::string withNul("AB\0", 3);
    const std::vector<std::string> calls = {"Q0ABCDEFGHIJKL", "AB", "Q0ABCDEFGHIJKM", withNul,
                                            "", "ab", "Q0ABCDEFGHIJ", "AB", "Q0ABCDEFGHIJKL"};
    ContactArray array;
    for (std::size_t i = 0; i + 3 < Seam; ++i) {
        array.push_back(numbered(i, "Q9FILL"));
    }
    const std::size_t first = array.size();
    for (std::size_t i = 0; i < calls.size(); ++i) {
        array.push_back(numbered(first + i, calls[i]));
    }
    struct Row {
        std::string probe;
        std::vector<std::size_t> expected;  // offsets into calls
    };
    const Row rows[] = {
        {"Q0ABCDEFGHIJKL", {0, 8}}, {"Q0ABCDEFGHIJKM", {2}}, {"Q0ABCDEFGHIJ", {6}},
        {"AB", {1, 7}},             {withNul, {3}},          {"", {4}},
        {"ab", {5}},                {"Q0ABCDEFGHIJK", {}},  {"A", {}},
    };
    for (const Row& row : rows) {
        std::vector<std::size_t> visited;
        array.forEachWithCall(row.probe, [&](std::size_t position, const CInfo& record) {
            EXPECT_EQ(record.Call, row.probe);
            EXPECT_EQ(&record, &array[position]);
            visited.push_back(position - first);
            return true;
        });
        EXPECT_EQ(visited, row.expected) << "probe \"" << row.probe << "\"";
    }
    std::size_t visits = 0;
    array.forEachWithCall("AB", [&visits](std::size_t, const CInfo&) {
        ++visits;
        return false;
    });
    EXPECT_EQ(visits, 1u) << "the pass stops when told";
}

TEST(ContactArray, CopiesAreIndependentAndClearingEmptiesAll)
{
    ContactArray original = {numbered(0), numbered(1), numbered(2)};
    ContactArray copy = original;
    copy.erase(1);
    EXPECT_EQ(iterated(original), (std::vector<std::string>{"0", "1", "2"}));
    EXPECT_EQ(iterated(copy), (std::vector<std::string>{"0", "2"}));
    original = copy;
    EXPECT_EQ(indexed(original), (std::vector<std::string>{"0", "2"}));
    original.clear();
    EXPECT_TRUE(original.empty());
    EXPECT_TRUE(original.begin() == original.end());
    original.push_back(numbered(7));
    EXPECT_EQ(indexed(original), std::vector<std::string>{"7"});
    EXPECT_EQ(iterated(copy), (std::vector<std::string>{"0", "2"}));
}

}  // namespace
