// Calls one miscopy apart: a character changed, dropped, added, or two swapped, weighed by how
// often the change happens in Morse and speech.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "contest/names.h"

// 0 when the calls are equal or more than one change apart; otherwise a weight in (0, 1],
// higher for the likelier miscopy (E for I, 5 for H, B for D, ...). A designator such as /P
// dropped, added or changed is one change. The index below finds only the one-character ones.
double nearCallWeight(std::string_view heard, std::string_view real);

// Finds, among a set of calls, those one change from a given call, without comparing it with
// every one: each call is filed under itself and each of its one-character deletions.
class NearCallIndex {
public:
    explicit NearCallIndex(const Names& names) : names_(names) {}
    void add(NameId call);
    void finish();
    // The filed calls near call (call itself excluded), each once.
    void lookUp(std::string_view call, std::vector<NameId>& found) const;

private:
    struct Filed {
        uint64_t key;
        NameId call;
        bool operator<(const Filed& other) const
        {
            return key != other.key ? key < other.key : call < other.call;
        }
    };
    const Names& names_;
    std::vector<Filed> filed_;
};
