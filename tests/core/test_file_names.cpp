// Names proposed for saved pictures: only the characters no file name may hold change.
#include <gtest/gtest.h>

#include "core/FileNames.h"

using vagaris::FileNameSafe;

TEST(FileNameSafe, ReplacesWhatNoFileNameHoldsAndKeepsTheRest) {
    const struct {
        const char* name;
        const char* safe;
    } cases[] = {
        {"C/1942 EA (Vaisala)", "C_1942 EA (Vaisala)"},
        {"P/2010 A2/b", "P_2010 A2_b"},  // every "/", not only the first
        {"a\\b:c*d?e\"f<g>h|i", "a_b_c_d_e_f_g_h_i"},
        {"tab\there\nnew\x7f", "tab_here_new_"},
        {"(433) Eros", "(433) Eros"},
        {"Čapek 1P/Halley ñ", "Čapek 1P_Halley ñ"},  // letters beyond ASCII stay
        {"..", ".."},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(FileNameSafe(c.name), c.safe) << c.name;
    EXPECT_EQ(FileNameSafe(std::string("a\0b", 3)), "a_b");
}
