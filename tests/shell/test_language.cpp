// The choice of the interface language from the user's choice, the system's interface
// languages and the languages of the build (all passed explicitly: the tests never read the
// machine's, and never depend on which translation files the build holds).
#include <gtest/gtest.h>

#include "settings/Language.h"

using vagaris::ResolveLanguage;

namespace {

const std::vector<std::string> kSpanishEnglish = {"es", "en"};
const std::vector<std::string> kWithBrazil = {"es", "en", "pt_BR"};

}  // namespace

TEST(InterfaceLanguage, AutomaticFollowsTheFirstAvailableSystemLanguage) {
    const struct {
        std::vector<std::string> system;
        const char* expected;
        const char* why;
    } cases[] = {
        {{"en-GB", "en"}, "en", "English first"},
        {{"en_US.UTF-8"}, "en", "POSIX spelling with a code set"},
        {{"EN-us"}, "en", "tags compare without case"},
        {{"es-ES", "en-US"}, "es", "Spanish first"},
        {{"de-DE", "en-US", "es"}, "en", "an unavailable language is skipped"},
        {{"fr", "es-AR", "en"}, "es", "the first available one decides"},
        {{"C"}, "es", "the C locale"},
        {{}, "es", "no language at all"},
        {{"de", "fr"}, "es", "nothing available"},
        {{"eng", "en"}, "en", "a three-letter code is not English's two"},
        {{"e", "en"}, "en", "a prefix of a code is not the code"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResolveLanguage("auto", c.system, kSpanishEnglish), c.expected) << c.why;
}

// A translation for a region: the system's full tag finds it in either spelling, and a bare
// language or another region does not (there is no plain "pt" translation to fall back on).
TEST(InterfaceLanguage, RegionalTranslationsMatchTheFullTagFirst) {
    const struct {
        std::vector<std::string> system;
        std::vector<std::string> available;
        const char* expected;
        const char* why;
    } cases[] = {
        {{"pt-BR"}, kWithBrazil, "pt_BR", "BCP 47 spelling"},
        {{"pt_BR.UTF-8"}, kWithBrazil, "pt_BR", "POSIX spelling"},
        {{"PT-br"}, kWithBrazil, "pt_BR", "either case"},
        {{"pt", "en"}, kWithBrazil, "en", "a bare language is not one of its regions"},
        {{"pt-PT", "es"}, kWithBrazil, "es", "another region is not this one"},
        {{"pt-BR"}, {"es", "en", "pt"}, "pt", "the language part when the region has none"},
        {{"pt-BR"}, {"es", "pt", "pt_BR"}, "pt_BR", "the region's own before the language's"},
        {{"zh-Hans-CN"}, {"es", "zh"}, "zh", "a script is not a region"},
        {{"de-DE", "pt-BR"}, kWithBrazil, "pt_BR", "an unavailable language is skipped"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResolveLanguage("auto", c.system, c.available), c.expected) << c.why;
}

TEST(InterfaceLanguage, AnAvailableChoiceWinsOverTheSystem) {
    EXPECT_EQ(ResolveLanguage("es", {"en-US"}, kSpanishEnglish), "es");
    EXPECT_EQ(ResolveLanguage("en", {"es-ES"}, kSpanishEnglish), "en");
    EXPECT_EQ(ResolveLanguage("en", {"C"}, kSpanishEnglish), "en");
    EXPECT_EQ(ResolveLanguage("pt_BR", {"en-GB"}, kWithBrazil), "pt_BR");
    // A choice this build cannot show is the automatic one (settings from another build).
    EXPECT_EQ(ResolveLanguage("pt_BR", {"en-GB"}, kSpanishEnglish), "en");
    EXPECT_EQ(ResolveLanguage("fr", {"C"}, kSpanishEnglish), "es");
    EXPECT_EQ(ResolveLanguage("EN", {"C"}, kSpanishEnglish), "es");  // not a code
    EXPECT_EQ(ResolveLanguage("auto", {"C"}, kSpanishEnglish), "es");
}

// Settings line 12 keeps any well-formed code, available or not.
TEST(InterfaceLanguage, WellFormedCodes) {
    for (const char* good : {"es", "en", "ast", "pt_BR", "zh_TW"})
        EXPECT_TRUE(vagaris::IsLanguageCode(good)) << good;
    for (const char* bad : {"", "e", "engl", "EN", "En", "pt-BR", "pt_br", "pt_BRA", "pt_", "_BR",
                            "auto", "es ", "ñu", "e1"})
        EXPECT_FALSE(vagaris::IsLanguageCode(bad)) << bad;
}
