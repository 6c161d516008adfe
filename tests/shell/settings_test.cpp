// How a stored setting's text is read: as atoi reads it, clamped to int;
// and which language the locale's variables choose.
#include <gtest/gtest.h>

#include <QApplication>
#include <climits>

#include "shell/settings.h"
#include "shell/translation.h"

namespace orbel {
namespace {

TEST(ParseSettingNumber, ReadsLikeAtoi) {
    const std::pair<std::string_view, int> rows[] = {
        {"255", 255}, {"", 0}, {"abc", 0}, {"  \t\n42xyz", 42}, {"12 34", 12}, {"-7", -7}, {"+9", 9}, {"- 9", 0},
        {"+-9", 0}, {"-0", 0}, {"2147483647", INT_MAX}, {"2147483648", INT_MAX}, {"4294967297", INT_MAX},
        {"99999999999999999999999999", INT_MAX}, {"-2147483648", INT_MIN}, {"-99999999999999999999", INT_MIN},
        {std::string_view("9934666\0", 8), 9934666}};
    for (const auto& [text, number] : rows) EXPECT_EQ(parseSettingNumber(text), number) << text;
}

// LANGUAGE's list first unless the locale is C, then LC_ALL, LC_MESSAGES or
// LANG; then the first language the program has, English ending the search.
TEST(Language, FollowsTheLocaleVariables) {
    const struct {
        const char *language, *all, *messages, *lang, *wanted, *installed;
    } rows[] = {
        {"", "", "", "de_DE.UTF-8", "de_DE", "de"},
        {"", "", "", "de_AT.UTF-8@euro", "de_AT", "de"},
        {"pt_BR:fr", "", "", "de_DE.UTF-8", "pt_BR fr de_DE", "fr"},
        {"en_GB:ru", "", "", "ru_RU.UTF-8", "en_GB ru ru_RU", ""},
        {"de", "C", "", "ru_RU.UTF-8", "C", ""},
        {"", "", "pl_PL.UTF-8", "es_ES.UTF-8", "pl_PL", "pl"},
        {"", "es_ES.UTF-8", "pl_PL.UTF-8", "fr_FR.UTF-8", "es_ES", "es"},
        {"", "", "", "", "", ""},
        {"", "", "", "xx_YY", "xx_YY", ""},
    };
    for (const auto& r : rows) {
        qputenv("LANGUAGE", r.language), qputenv("LC_ALL", r.all), qputenv("LC_MESSAGES", r.messages);
        qputenv("LANG", r.lang);
        const QStringList wanted = wantedLanguages();
        EXPECT_EQ(wanted.join(' ').toStdString(), r.wanted) << r.language << " " << r.lang;
        EXPECT_EQ(installTranslations(*qApp, wanted).toStdString(), r.installed) << r.language << " " << r.lang;
    }
    installTranslations(*qApp, {});
}

}  // namespace
}  // namespace orbel
