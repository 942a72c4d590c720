#include "calendar/NameDayTexts.h"

#include "calendar/Date.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <set>
#include <string>
#include <vector>

namespace sk {
namespace {

// Number of code points, or -1 when the text is not well-formed UTF-8
// (overlong forms, surrogates and values above U+10FFFF count as broken).
int Utf8Length(const std::string& s) {
    int count = 0;
    for (std::size_t i = 0; i < s.size(); ++count) {
        const unsigned char c = s[i];
        int extra = 0;
        unsigned cp = 0;
        if (c < 0x80) {
            cp = c;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1, cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2, cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3, cp = c & 0x07;
        } else {
            return -1;
        }
        if (i + extra >= s.size()) return -1;  // cut off inside a sequence
        for (int k = 1; k <= extra; ++k) {
            const unsigned char cc = s[i + k];
            if ((cc & 0xC0) != 0x80) return -1;
            cp = (cp << 6) | (cc & 0x3F);
        }
        static const unsigned kMin[4] = {0, 0x80, 0x800, 0x10000};
        if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return -1;
        i += 1 + extra;
    }
    return count;
}

std::vector<std::string> SplitItems(const std::string& s) {
    std::vector<std::string> items;
    std::size_t start = 0;
    for (std::size_t pos; (pos = s.find(", ", start)) != std::string::npos; start = pos + 2)
        items.push_back(s.substr(start, pos - start));
    items.push_back(s.substr(start));
    return items;
}

// An item names a feast, a saint or a first name: it starts with a capital
// (a German umlaut counts) and carries no separator debris.
bool IsWellFormedItem(const std::string& item) {
    if (item.empty() || item.front() == ' ' || item.back() == ' ') return false;
    if (item.find(',') != std::string::npos || item.find("  ") != std::string::npos) return false;
    for (unsigned char c : item)
        if (c < 0x20 || c == 0x7F) return false;
    const bool asciiCapital = item[0] >= 'A' && item[0] <= 'Z';
    const bool umlautCapital = item.rfind("Ä", 0) == 0 || item.rfind("Ö", 0) == 0 || item.rfind("Ü", 0) == 0;
    return asciiCapital || umlautCapital;
}

int LeapYearIndex(int month, int day) {
    return static_cast<int>(DayNumberOf(2024, month, day) - DayNumberOf(2024, 1, 1));
}

TEST(NameDayTexts, CheckersRejectDamage) {
    struct Case {
        const char* text;
        int length;
    } utf8[] = {{"Mariä", 5}, {"Ägidius", 7}, {"Mari\xC3", -1}, {"\xC3\xA4\xA4", -1},
                {"\xC0\xAF", -1}, {"\xED\xA0\x80", -1}, {"\xF0\x9F\x98\x80", 1}};
    for (const auto& c : utf8) EXPECT_EQ(Utf8Length(c.text), c.length) << c.text;

    for (const char* bad : {"", " Anna", "Anna ", "anna", "Anna,", "Anna  Maria", "Anna\t"})
        EXPECT_FALSE(IsWellFormedItem(bad)) << '"' << bad << '"';
    for (const char* good : {"Anna", "Ägidius", "Pius X.", "Johannes XXIII."})
        EXPECT_TRUE(IsWellFormedItem(good)) << good;

    EXPECT_EQ(SplitItems("A, B, C").size(), 3u);
    EXPECT_EQ(SplitItems("A, , C")[1], "");
}

TEST(NameDayTexts, EveryEntryIsAWellFormedList) {
    for (int i = 0; i < 366; ++i) {
        SCOPED_TRACE(i);
        ASSERT_NE(kNameDayTexts[i], nullptr);
        const std::string text = kNameDayTexts[i];
        const int length = Utf8Length(text);
        ASSERT_GE(length, 20) << text;  // also rejects broken UTF-8 (-1)
        EXPECT_LE(length, 120) << text;

        const auto items = SplitItems(text);
        EXPECT_GE(items.size(), 3u) << text;
        std::set<std::string> seen;
        for (const auto& item : items) {
            EXPECT_TRUE(IsWellFormedItem(item)) << '"' << item << "\" in " << text;
            EXPECT_TRUE(seen.insert(item).second) << "repeated \"" << item << "\" in " << text;
        }
    }
}

TEST(NameDayTexts, NoTwoDaysShareATextAndOnlyTheLeapDayIsSchalttag) {
    std::set<std::string> texts;
    for (int i = 0; i < 366; ++i) {
        EXPECT_TRUE(texts.insert(kNameDayTexts[i]).second) << i << ": " << kNameDayTexts[i];
        const bool schalttag = std::string(kNameDayTexts[i]).find("Schalttag") != std::string::npos;
        EXPECT_EQ(schalttag, i == 59) << i;
    }
    EXPECT_EQ(SplitItems(kNameDayTexts[59]).front(), "Schalttag");
}

// Well-known days, several on month edges, so a day dropped or doubled
// anywhere shows up as a shifted entry.
TEST(NameDayTexts, WellKnownDays) {
    struct Case {
        int month, day;
        const char* item;
        bool first;  // the feast leads the entry
    } cases[] = {
        {1, 1, "Neujahr", true},
        {1, 6, "Heilige Drei Könige", true},
        {1, 31, "Johannes Bosco", true},
        {2, 1, "Brigida von Kildare", true},
        {2, 2, "Mariä Lichtmess", true},
        {2, 14, "Valentin", false},
        {2, 28, "Roman", true},
        {2, 29, "Schalttag", true},
        {3, 1, "Albin", true},
        {3, 19, "Josef", false},
        {4, 23, "Georg", true},
        {4, 30, "Walpurgisnacht", true},
        {6, 24, "Johannes", false},
        {6, 27, "Siebenschläfer", true},
        {6, 29, "Peter und Paul", true},
        {7, 4, "Ulrich", false},
        {8, 15, "Mariä Himmelfahrt", true},
        {9, 29, "Michael", false},
        {10, 3, "Tag der Deutschen Einheit", true},
        {10, 31, "Reformationstag", true},
        {11, 1, "Allerheiligen", true},
        {11, 2, "Allerseelen", true},
        {11, 11, "Martin", false},
        {12, 6, "Nikolaus", false},
        {12, 8, "Mariä Empfängnis", true},
        {12, 24, "Heiliger Abend", true},
        {12, 25, "Weihnachten", true},
        {12, 26, "Stephanus", false},
        {12, 31, "Silvester", true},
    };
    for (const auto& c : cases) {
        const int index = LeapYearIndex(c.month, c.day);
        SCOPED_TRACE(std::to_string(c.day) + "." + std::to_string(c.month) + ". index " + std::to_string(index));
        ASSERT_GE(index, 0);
        ASSERT_LT(index, 366);
        const auto items = SplitItems(kNameDayTexts[index]);
        if (c.first) {
            EXPECT_EQ(items.front(), c.item) << kNameDayTexts[index];
        } else {
            EXPECT_NE(std::find(items.begin(), items.end(), c.item), items.end()) << kNameDayTexts[index];
        }
    }
    EXPECT_EQ(LeapYearIndex(12, 31), 365);
}

}  // namespace
}  // namespace sk
