// The choice of the interface language from the user's choice and the system's interface
// languages (passed explicitly: the tests never read the machine's).
#include <gtest/gtest.h>

#include "shell/settings/Language.h"

using vagaris::LanguageChoice;
using vagaris::ResolveLanguage;
using vagaris::UiLanguage;

TEST(InterfaceLanguage, AutomaticFollowsTheFirstSupportedSystemLanguage) {
    const struct {
        std::vector<std::string> system;
        UiLanguage expected;
        const char* why;
    } cases[] = {
        {{"en-GB", "en"}, UiLanguage::English, "English first"},
        {{"en_US.UTF-8"}, UiLanguage::English, "POSIX spelling with a code set"},
        {{"EN-us"}, UiLanguage::English, "tags compare without case"},
        {{"es-ES", "en-US"}, UiLanguage::Spanish, "Spanish first"},
        {{"de-DE", "en-US", "es"}, UiLanguage::English, "an unsupported language is skipped"},
        {{"fr", "es-AR", "en"}, UiLanguage::Spanish, "the first supported one decides"},
        {{"C"}, UiLanguage::Spanish, "the C locale"},
        {{}, UiLanguage::Spanish, "no language at all"},
        {{"de", "fr"}, UiLanguage::Spanish, "nothing supported"},
        {{"eng", "en"}, UiLanguage::English, "a three-letter code is not English's two"},
        {{"e", "en"}, UiLanguage::English, "a prefix of a code is not the code"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResolveLanguage(LanguageChoice::Automatic, c.system), c.expected) << c.why;
}

TEST(InterfaceLanguage, AnExplicitChoiceWinsOverTheSystem) {
    EXPECT_EQ(ResolveLanguage(LanguageChoice::Spanish, {"en-US"}), UiLanguage::Spanish);
    EXPECT_EQ(ResolveLanguage(LanguageChoice::English, {"es-ES"}), UiLanguage::English);
    EXPECT_EQ(ResolveLanguage(LanguageChoice::English, {"C"}), UiLanguage::English);
}

TEST(InterfaceLanguage, CodesOfTheCommandLine) {
    EXPECT_EQ(vagaris::LanguageFromCode("es"), UiLanguage::Spanish);
    EXPECT_EQ(vagaris::LanguageFromCode("en"), UiLanguage::English);
    for (const char* bad : {"", "EN", "en-GB", "english", "de"})
        EXPECT_FALSE(vagaris::LanguageFromCode(bad).has_value()) << bad;
    EXPECT_EQ(vagaris::LanguageCode(UiLanguage::Spanish), "es");
    EXPECT_EQ(vagaris::LanguageCode(UiLanguage::English), "en");
}

TEST(InterfaceLanguage, SettingsLineTwelve) {
    using vagaris::LanguageChoice;
    EXPECT_EQ(vagaris::LanguageChoiceFromSetting("auto"), LanguageChoice::Automatic);
    EXPECT_EQ(vagaris::LanguageChoiceFromSetting("es"), LanguageChoice::Spanish);
    EXPECT_EQ(vagaris::LanguageChoiceFromSetting("en"), LanguageChoice::English);
    EXPECT_EQ(vagaris::LanguageChoiceFromSetting("EN"), LanguageChoice::Automatic);
    // The choice wins over an English system; the automatic one follows it; C gives Spanish.
    EXPECT_EQ(vagaris::ResolveLanguage(vagaris::LanguageChoiceFromSetting("es"), {"en-GB"}),
              UiLanguage::Spanish);
    EXPECT_EQ(vagaris::ResolveLanguage(vagaris::LanguageChoiceFromSetting("auto"), {"en-GB"}),
              UiLanguage::English);
    EXPECT_EQ(vagaris::ResolveLanguage(vagaris::LanguageChoiceFromSetting("auto"), {"C"}),
              UiLanguage::Spanish);
}
