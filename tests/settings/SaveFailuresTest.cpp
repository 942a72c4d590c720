#include "settings/SaveFailures.h"

#include <gtest/gtest.h>

namespace sk {
namespace {

// A failed save never lets the caller go on unless the person says so, and
// "Nochmals speichern" really saves again.
TEST(SaveFailures, NothingGoesOnPastAFailedSaveWithoutAnAnswer) {
    using C = FailedSaveChoice;
    struct Case { const char* what; int failures; std::vector<C> answers; bool goesOn; int saves; };
    const Case cases[] = {
        {"saved at once", 0, {}, true, 1},
        {"stay", 5, {C::Stay}, false, 1},
        {"retry until it works", 2, {C::Retry, C::Retry}, true, 3},
        {"retry, then stay", 5, {C::Retry, C::Stay}, false, 2},
        {"go on without", 5, {C::Retry, C::GoOnWithout}, true, 2},
    };
    for (const Case& c : cases) {
        int saves = 0;
        std::size_t asked = 0;
        const bool goesOn = SaveOrAsk(
            [&] {
                ++saves;
                return saves <= c.failures ? std::vector<std::string>{"/d/Einstellungen.dat"} : std::vector<std::string>{};
            },
            [&](const std::vector<std::string>& failed) {
                EXPECT_EQ(failed.size(), 1u);
                return asked < c.answers.size() ? c.answers[asked++] : C::Stay;
            });
        EXPECT_EQ(goesOn, c.goesOn) << c.what;
        EXPECT_EQ(saves, c.saves) << c.what;
        EXPECT_EQ(asked, c.answers.size()) << c.what;
    }
    EXPECT_EQ(FailedSaveText("/d/Schichtmarkierung.dat"),
              "Die Datei \"/d/Schichtmarkierung.dat\" konnte nicht gespeichert werden!");
    EXPECT_EQ(FailedSavesText({"/d/a.dat", "/d/b.dat"}),
              "Diese Dateien konnten nicht gespeichert werden:\n/d/a.dat\n/d/b.dat");
}

}  // namespace
}  // namespace sk
