#include "HighScoreTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "ScratchDir.h"

namespace burrowbop {
namespace {

using namespace std::string_literals;

const std::string kPlaceholderSection = "Name=--------\r\nDate=----/--/--\r\nScore=--\r\n";

THighScoreEntry Entry(std::string_view name, std::string_view date, std::string_view score) {
    THighScoreEntry entry;
    entry.Name.Assign(name);
    entry.Date.Assign(date);
    entry.Score.Assign(score);
    return entry;
}

// A table whose first places hold these scores (named after them) and
// placeholders below.
HighScoreTable TableWithScores(const std::vector<std::string>& scores) {
    HighScoreTable table;
    for (std::size_t i = 0; i < scores.size(); ++i) table.HighScores[i] = Entry("p" + scores[i], "2024/01/01", scores[i]);
    return table;
}

std::vector<std::string> Scores(const HighScoreTable& table) {
    std::vector<std::string> scores;
    for (const auto& entry : table.HighScores) scores.push_back(entry.Score.Str());
    return scores;
}

TEST(StrToInt, ConvertsLikeTheRunTimeLibrary) {
    const std::pair<std::string, int32_t> good[] = {
        {"5", 5}, {"25", 25}, {"  7", 7}, {"\t7", 7}, {"+3", 3}, {"-2", -2}, {"007", 7}, {"$A", 10}, {"$ff", 255},
        {"x1F", 31}, {"X10", 16}, {"0x10", 16}, {"-$10", -16}, {"$FFFFFFFF", -1},
        {"2147483647", 2147483647}, {"-2147483648", INT32_MIN},
    };
    for (const auto& [text, value] : good) EXPECT_EQ(StrToInt(text), value) << text;
    const std::string bad[] = {"", " ", "ab", "1 ", "--", "-", "+", "$", "0x", "x", "1.5", "2147483648",
                               "-2147483649", "$1FFFFFFFF", "1a", "\xB0\x41", "\xA3\xB1"};
    for (const auto& text : bad) {
        try {
            StrToInt(text);
            ADD_FAILURE() << "no error for '" << text << "'";
        } catch (const ScoreError& error) {
            EXPECT_EQ(error.what(), "'" + text + "' is not a valid integer value");
        }
    }
}

struct RecordCase {
    const char* what;
    std::vector<std::string> scores;  // places 0.. ; placeholders below
    int32_t hits;
    std::optional<int32_t> place;     // nothing: no record
    std::vector<std::string> after;   // all ten scores after the insertion
};

TEST(NewRecord, GoesBelowEqualScoresAndPushesTheRestDown) {
    const std::vector<std::string> full = {"50", "45", "40", "35", "30", "25", "20", "15", "10", "5"};
    const RecordCase cases[] = {
        {"placeholders only, one hit", {}, 1, 0, {"1", "--", "--", "--", "--", "--", "--", "--", "--", "--"}},
        {"no hit asks for nothing", {}, 0, std::nullopt, {}},
        {"below the equal scores", {"30", "25", "25", "10"}, 25, 3,
         {"30", "25", "25", "25", "10", "--", "--", "--", "--", "--"}},
        {"last place of a full table", full, 6, 9, {"50", "45", "40", "35", "30", "25", "20", "15", "10", "6"}},
        {"equal to the last of a full table", full, 5, std::nullopt, {}},
        {"the best", full, 51, 0, {"51", "50", "45", "40", "35", "30", "25", "20", "15", "10"}},
        {"three digits keep the first two", {"50"}, 123, 0, {"12", "50", "--", "--", "--", "--", "--", "--", "--", "--"}},
        {"the table is not assumed sorted", {"5", "40"}, 10, 0, {"10", "5", "40", "--", "--", "--", "--", "--", "--", "--"}},
        {"hexadecimal and blanks count as numbers", {"$A", " 9"}, 10, 1, {"$A", "10", " 9", "--", "--", "--", "--", "--", "--", "--"}},
        {"negative scores are beaten", {"-3"}, -1, 0, {"-1", "-3", "--", "--", "--", "--", "--", "--", "--", "--"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HighScoreTable table = TableWithScores(c.scores);
        table.NewRecordIndex = 77;
        bool record = table.IsNewRecord(c.hits);
        ASSERT_EQ(record, c.place.has_value());
        if (!record) {
            EXPECT_EQ(table.NewRecordIndex, 77) << "unchanged on no";
            continue;
        }
        EXPECT_EQ(table.NewRecordIndex, *c.place);
        table.EnterNewRecord("Me", "2025/06/07", c.hits);
        EXPECT_EQ(Scores(table), c.after);
        EXPECT_EQ(table.HighScores[*c.place], Entry("Me", "2025/06/07", c.after[*c.place]));
        if (*c.place < 9) {
            EXPECT_EQ(table.HighScores[*c.place + 1], TableWithScores(c.scores).HighScores[*c.place]);
        }
    }
}

TEST(NewRecord, NameAndDateAreCutCountingBytes) {
    struct Case { std::string name, date, storedName, storedDate; };
    const Case cases[] = {
        {"ABCDEFGHIJ", "2025/06/07", "ABCDEFGH", "2025/06/07"},
        {"\xD5\xC5\xC8\xFD\xC0\xEE\xCB\xC4\xCD\xF5", "2025-6-7", "\xD5\xC5\xC8\xFD\xC0\xEE\xCB\xC4", "2025-6-7"},
        {"abcdefg\xD5\xC5", "Saturday, 7 June 2025", "abcdefg\xD5", "Saturday, "},
        {"", "", "", ""},
    };
    for (const auto& c : cases) {
        HighScoreTable table;
        ASSERT_TRUE(table.IsNewRecord(1));
        table.EnterNewRecord(c.name, c.date, 1);
        EXPECT_EQ(table.HighScores[0].Name.Str(), c.storedName);
        EXPECT_EQ(table.HighScores[0].Date.Str(), c.storedDate);
    }
}

TEST(NewRecord, AScoreThatIsNoNumberStopsTheScanWhenReached) {
    HighScoreTable table = TableWithScores({"30", "ab"});
    EXPECT_TRUE(table.IsNewRecord(31)) << "the scan stops above the bad entry";
    EXPECT_EQ(table.NewRecordIndex, 0);
    table.NewRecordIndex = 5;
    try {
        table.IsNewRecord(20);
        ADD_FAILURE() << "no error";
    } catch (const ScoreError& error) {
        EXPECT_STREQ(error.what(), "'ab' is not a valid integer value");
    }
    EXPECT_EQ(table.NewRecordIndex, 5);
    HighScoreTable empty = TableWithScores({""});
    EXPECT_THROW(empty.IsNewRecord(3), ScoreError);
}

using HighScoreFileTest = test::ScratchDir;

std::string PlaceholderFile() {
    std::string text;
    for (int i = 0; i < 10; ++i) text += "[" + std::to_string(i) + "]\r\n" + kPlaceholderSection;
    return text;
}

TEST_F(HighScoreFileTest, NoFileGivesPlaceholdersAndTheSaveCreatesTheTable) {
    HighScoreTable table;
    table.HighScores[4] = Entry("x", "y", "1");
    ScoreFile file;
    table.LoadHighScores(file);
    for (const auto& entry : table.HighScores) EXPECT_EQ(entry, PlaceholderEntry());
    table.SaveHighScores(file);
    EXPECT_EQ(ReadFile("rat.ini"), PlaceholderFile());
}

TEST_F(HighScoreFileTest, LoadCutsEveryValueAndTheSaveWritesItBackCut) {
    WriteFile("rat.ini", "[4]\r\nName=ABCDEFGHIJ\r\nDate=2025/06/07xyz\r\nScore=123\r\n"
                         "[5]\r\nName=\xD5\xC5\xC8\xFD\xC0\xEE\xCB\xC4\xCD\xF5\r\nScore=7\r\n"
                         "[6]\r\nName=abcdefg\xD5\xC5\r\nName=second\r\nScore=\r\n");
    HighScoreTable table;
    ScoreFile file;
    table.LoadHighScores(file);
    EXPECT_EQ(table.HighScores[4], Entry("ABCDEFGH", "2025/06/07", "12"));
    EXPECT_EQ(table.HighScores[5], Entry("\xD5\xC5\xC8\xFD\xC0\xEE\xCB\xC4", "----/--/--", "7"));
    EXPECT_EQ(table.HighScores[6], Entry("abcdefg\xD5", "----/--/--", ""));
    table.SaveHighScores(file);
    HighScoreTable reread;
    ScoreFile again;
    reread.LoadHighScores(again);
    EXPECT_EQ(reread.HighScores, table.HighScores);
    std::string saved = ReadFile("rat.ini");
    EXPECT_NE(saved.find("[4]\r\nName=ABCDEFGH\r\nDate=2025/06/07\r\nScore=12\r\n"), std::string::npos);
    EXPECT_NE(saved.find("Name=abcdefg\xD5\r\nName=second\r\nScore=\r\nDate=----/--/--\r\n"), std::string::npos)
        << "a lone lead byte survives; the second Name stays";
}

TEST_F(HighScoreFileTest, ValuesThatReadBackDifferentlyAreStoredSoTheyReadBackAsWritten) {
    const std::pair<std::string, std::string> names[] = {
        {"a\r\n[0]", "a??[0]"}, {"\r\nScore=", "??Score="}, {"x\0y"s, "x?y"}, {"\n", "?"},
        {" ab ", " ab "}, {"\tab", "\tab"}, {"\"q\"", "\"q\""}, {"'q'", "'q'"}, {"\"", "\""},
        {"=x", "=x"}, {";x", ";x"}, {"[1]", "[1]"}, {"  ", "  "},
    };
    HighScoreTable table;
    for (std::size_t i = 0; i < std::size(names); ++i) {
        table.HighScores[i % 10].Name.Assign(names[i].first);
        table.HighScores[(i + 3) % 10].Date.Assign(names[i].first);
    }
    ScoreFile file;
    table.SaveHighScores(file);
    HighScoreTable reread;
    ScoreFile again;
    reread.LoadHighScores(again);
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(reread.HighScores[i].Name.Str(), ProfileText::StoredValue(table.HighScores[i].Name.View())) << i;
        EXPECT_EQ(reread.HighScores[i].Date.Str(), ProfileText::StoredValue(table.HighScores[i].Date.View())) << i;
    }
    EXPECT_EQ(reread.HighScores[3].Name.Str(), names[3].second);
    EXPECT_EQ(reread.HighScores[4].Name.Str(), names[4].second);
    EXPECT_EQ(reread.HighScores[6].Date.Str(), names[3].second);
    std::string saved = ReadFile("rat.ini");
    std::size_t headers = 0, lines = 0;
    for (std::size_t pos = 0; (pos = saved.find("\r\n", pos)) != std::string::npos; pos += 2) ++lines;
    for (std::size_t pos = 0; (pos = saved.find("\n[", pos)) != std::string::npos; ++pos) ++headers;
    EXPECT_EQ(lines, 40u) << "ten headers and thirty keys, nothing more";
    EXPECT_EQ(headers, 9u);
    EXPECT_EQ(saved.find('\0'), std::string::npos);
}

// Lines of text, whatever their line ends.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(pos, end - pos));
        pos = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

// A line the save may rewrite: one that sets Name, Date or Score.
bool MayBeOwned(std::string_view line) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    for (std::string_view key : {"name", "date", "score"}) {
        if (line.size() < key.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < key.size(); ++i) same = same && std::tolower(static_cast<unsigned char>(line[i])) == key[i];
        if (!same) continue;
        std::string_view rest = line.substr(key.size());
        while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
        if (!rest.empty() && rest.front() == '=') return true;
    }
    return false;
}

std::string Noise() {
    std::mt19937 random(2047);
    std::string noise(4096, '\0');
    for (char& c : noise) c = static_cast<char>(random());
    for (char& c : noise)
        if (c == '[') c = '\x01';  // noise with no section header in it
    return noise;
}

struct HostileCase {
    const char* what;
    std::string content;
    std::vector<std::pair<std::size_t, THighScoreEntry>> entries;  // the rest are placeholders
    std::vector<std::string> kept;  // lines of a section the program owns that must stay anyway
};

TEST_F(HighScoreFileTest, HostileFilesReadByTheRulesAndLoseNothingOnSave) {
    const THighScoreEntry p = PlaceholderEntry();
    const HostileCase cases[] = {
        {"binary noise", Noise(), {}, {}},
        {"nul bytes", "[0]\r\nName=a\0b\r\n\0\0\0\r\n[1]\r\nScore=\0\r\n"s,
         {{0, Entry("a\0b"s, "----/--/--", "--")}, {1, Entry("--------", "----/--/--", "\0"s)}}, {}},
        {"a 10 MiB line without a line end", std::string(10 << 20, 'x'), {}, {}},
        {"a header without a bracket", "[0\r\nName=Open\r\n[1]\r\nName=One\r\n", {{1, Entry("One", p.Date.View(), "--")}},
         {"[0", "Name=Open"}},
        {"blanks inside the brackets", "[ 0 ]\r\nName=Ann\r\n", {{0, Entry("Ann", p.Date.View(), "--")}}, {}},
        {"keys before any section", "Name=Zed\r\nScore=99\r\n[0]\r\nName=Ann\r\n",
         {{0, Entry("Ann", p.Date.View(), "--")}}, {"Name=Zed", "Score=99"}},
        {"duplicate sections and keys", "[0]\r\nName=Ann\r\nName=Bob\r\n[0]\r\nName=Cid\r\nScore=7\r\n",
         {{0, Entry("Ann", p.Date.View(), "--")}}, {"Name=Bob", "Name=Cid", "Score=7"}},
        {"lower-case keys", "[3]\r\nname=low\r\ndate=2024/01/02\r\nscore=5\r\n",
         {{3, Entry("low", "2024/01/02", "5")}}, {"name=low", "date=2024/01/02", "score=5"}},
        {"section 00", "[00]\r\nName=Zero\r\n[0]\r\nScore=8\r\n", {{0, Entry("--------", p.Date.View(), "8")}},
         {"Name=Zero"}},
        {"invalid code page 936", "[1]\r\nName=\x81\x30\xFF\x80\xA2\r\n[\xFF\xFE]\r\nName=x\r\n",
         {{1, Entry("\x81\x30\xFF\x80\xA2", p.Date.View(), "--")}}, {"Name=x"}},
        {"a bracket that is a trail byte", "[2\xB0]\r\nName=Hidden\r\n", {}, {"Name=Hidden"}},
        {"mixed line ends", "[2]\rName=Cr\r[3]\nName=Lf\n[4]\r\nName=CrLf", {{2, Entry("Cr", p.Date.View(), "--")},
         {3, Entry("Lf", p.Date.View(), "--")}, {4, Entry("CrLf", p.Date.View(), "--")}}, {}},
        {"comments, unknown sections and blank lines",
         "; scores\r\n\r\n[Options]\r\nSound=1\r\n[0]\r\n; best\r\nName=Ann\r\nExtra=1\r\n\r\n", 
         {{0, Entry("Ann", p.Date.View(), "--")}}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile("rat.ini", c.content);
        HighScoreTable expected;
        for (const auto& [index, entry] : c.entries) expected.HighScores[index] = entry;
        HighScoreTable table;
        ScoreFile file;
        table.LoadHighScores(file);
        EXPECT_EQ(table.HighScores, expected.HighScores);
        table.SaveHighScores(file);

        std::string saved = ReadFile("rat.ini");
        HighScoreTable reread;
        ScoreFile again;
        reread.LoadHighScores(again);
        EXPECT_EQ(reread.HighScores, table.HighScores) << "the table reads back as saved";
        std::vector<std::string> before = Lines(c.content), after = Lines(saved);
        std::size_t found = 0;
        for (const std::string& line : before) {
            bool mustStay = !MayBeOwned(line) || std::find(c.kept.begin(), c.kept.end(), line) != c.kept.end();
            if (!mustStay) continue;
            while (found < after.size() && after[found] != line) ++found;
            ASSERT_LT(found, after.size()) << "lost line: " << line.substr(0, 40);
            ++found;
        }
    }
}

}  // namespace
}  // namespace burrowbop
