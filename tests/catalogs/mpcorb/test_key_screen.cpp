// The first look of the MPCOrb.dat search at a block: the two characters it tests first, and
// its answer against a plain search over every start (letters folded to upper case).
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "catalogs/mpcorb/KeyScreen.h"

namespace {

using vagaris::KeyScreen;

bool PlainOccurs(const std::string& data, const std::string& key) {
    for (std::size_t start = 0; start + key.size() <= data.size(); ++start) {
        std::size_t m = 0;
        for (; m < key.size(); ++m) {
            char c = data[start + m];
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
            if (c != key[m]) break;
        }
        if (m == key.size()) return true;
    }
    return false;
}

TEST(KeyScreen, TestsTheTwoRarestCharactersFirst) {
    const struct {
        const char* key;
        std::size_t first, second;
    } cases[] = {
        {"NOSUCHTHING", 6, 10},  // T and G, not the N of "MPCLINUX" on every line
        {"(99999999)", 0, 9},    // the parentheses, not the digits
        {"2031 QQ9 ", 5, 7},     // one Q (the second says nothing more), then the 9
        {"CERES", 2, 4},         // R, then S
        {"Q", 0, 0},
        {"MMMM", 0, 1},  // one character only: two of its places
    };
    for (const auto& c : cases) {
        const KeyScreen screen(c.key);
        EXPECT_EQ(screen.firstAnchor(), c.first) << c.key;
        EXPECT_EQ(screen.secondAnchor(), c.second) << c.key;
    }
    // Seen in the excerpt: blanks and digits fill the lines, "Z" is rare, "z" folds onto it.
    EXPECT_GT(vagaris::MpcOrbByteShare(' '), vagaris::MpcOrbByteShare('0'));
    EXPECT_GT(vagaris::MpcOrbByteShare('M'), vagaris::MpcOrbByteShare('Z'));
    EXPECT_EQ(vagaris::MpcOrbByteShare('z'), vagaris::MpcOrbByteShare('Z'));
    EXPECT_EQ(vagaris::MpcOrbByteShare('~'), 0.0);
}

// Blocks of every length around the 16-byte steps, keys of every shape, answers compared with
// the plain search: the key at the block's very start and end, in either case, or nearly there.
TEST(KeyScreen, AnswersAsAPlainSearchDoes) {
    std::mt19937 random(20261211);
    const std::string alphabet = "AaBbQqZz09 ()-.";
    const auto pick = [&](std::size_t n, const std::string& from) {
        std::string s;
        for (std::size_t k = 0; k < n; ++k) s += from[random() % from.size()];
        return s;
    };
    const std::string upper = "ABQZ09 ()-.";
    int found = 0, absent = 0;
    for (int round = 0; round < 4000; ++round) {
        const std::string key = pick(1 + random() % 6, upper);
        std::string data = pick(random() % 80, alphabet);
        // Plant the key (in mixed case) at a random place in half of the blocks.
        if (round % 2 == 0 && data.size() >= key.size()) {
            std::string planted = key;
            for (char& c : planted)
                if (c >= 'A' && c <= 'Z' && random() % 2) c = static_cast<char>(c + 32);
            data.replace(random() % (data.size() - key.size() + 1), key.size(), planted);
        }
        const bool expected = PlainOccurs(data, key);
        (expected ? found : absent)++;
        ASSERT_EQ(KeyScreen(key).occursIn(data.data(), data.size()), expected)
            << "key '" << key << "' in '" << data << "'";
    }
    // Both answers were asked for many times.
    EXPECT_GT(found, 500);
    EXPECT_GT(absent, 500);
}

TEST(KeyScreen, ALowerCaseKeyCharacterMatchesNothingButItself) {
    // Keys come upper-cased; a lower-case byte in one (not a letter of the file's designations)
    // is compared as it is and the fold never makes it match.
    const std::string data = "xx(1) ceres  ";
    EXPECT_FALSE(KeyScreen("ceres").occursIn(data.data(), data.size()));
    EXPECT_TRUE(KeyScreen("CERES").occursIn(data.data(), data.size()));
}

}  // namespace
