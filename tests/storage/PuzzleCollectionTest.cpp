#include "storage/PuzzleCollection.h"
#include "storage/FileIObas.h"
#include "storage/ProfileStore.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace storage;

namespace {

TEST(PuzzleCollection, WorkedExampleLoads)
{
    TempFolder folder;
    const std::string path =
        folder.collection("[Settings]\r\n[Triangle]\r\n"
                          "Instructions=Move one match.\xB6Good luck\r\n"
                          "MatchesInPuzzle=3\r\nM1=60,20,2\r\nM2=100,20,14\r\nM3=60,90,4\r\n"
                          "MatchesInSolution=3\r\nS1=60,10,4\r\nS2=60,20,6\r\nS3=120,20,10\r\n");
    EXPECT_EQ(ListPuzzleTitles(path), std::vector<std::string>{"Triangle"});
    const PuzzleRecord r = LoadPuzzleRecord(path, "triangle");
    EXPECT_EQ(r.instructions, "Move one match.\r\nGood luck");
    EXPECT_EQ(r.puzzle, (std::vector<MatchPlacement>{{60, 20, 2}, {100, 20, 14}, {60, 90, 4}}));
    EXPECT_EQ(r.solution, (std::vector<MatchPlacement>{{60, 10, 4}, {60, 20, 6}, {120, 20, 10}}));
}

PuzzleRecord sampleRecord(const std::string &title)
{
    return {title,
            "First line\r\nsecond \u00E9",
            {{1, 2, 3}, {40, 50, 15}},
            {{7, 8, 0}},
            "squares 3 equal",
            2,
            12};
}

// Every title either survives save, list and load unchanged or is refused
// before anything is written.
TEST(PuzzleTitles, StoredUnchangedOrRefused)
{
    // clang-format off
    const std::string stored[] = {"Triangle", "Two words", "a]b", "x]", "[inner", "a=b", "; semi", "#hash", "Caf\u00E9 \u20AC", "Settings!"};
    const std::string refused[] = {"settings", "SETTINGS", "SeTtInGs", "", " lead", "trail ", "\ttab", "line\r\nbreak", "lf\nonly", "cr\ronly", "ctrl\x1A", "\u0142\u00F3d\u017A", "\U0001F600", "bad\xC3"};
    // clang-format on
    const std::string start = "[Settings]\r\nk=v\r\n";
    for (const std::string &title : stored) {
        TempFolder folder;
        const std::string path = folder.collection(start);
        EXPECT_FALSE(TitleProblem(title)) << title;
        EXPECT_TRUE(SavePuzzleRecord(path, sampleRecord(title))) << title;
        EXPECT_EQ(ListPuzzleTitles(path), std::vector<std::string>{title});
        const PuzzleRecord back = LoadPuzzleRecord(path, title);
        EXPECT_EQ(back.instructions, sampleRecord(title).instructions) << title;
        EXPECT_EQ(back.puzzle, sampleRecord(title).puzzle) << title;
        EXPECT_EQ(back.solution, sampleRecord(title).solution) << title;
        EXPECT_EQ(back.goal + "/" + std::to_string(back.moves) + "/" +
                      std::to_string(back.answerMatches),
                  "squares 3 equal/2/12")
            << title;
    }
    for (const std::string &title : refused) {
        TempFolder folder;
        const std::string path = folder.collection(start);
        EXPECT_TRUE(TitleProblem(title)) << title;
        EXPECT_FALSE(SavePuzzleRecord(path, sampleRecord(title))) << title;
        EXPECT_EQ(readBytes(path), start) << title;
    }
}

// An old section's surplus keys and comments stay; a UTF-8 file stays UTF-8.
TEST(PuzzleSave, OneReplacementWithTheBytesOfSingleWrites)
{
    // clang-format off
    const struct { std::string start, listed; } files[] = {
        {"[Old\xE9]\r\nInstructions=x\r\n; keep me\r\nM1=1,1,1\r\nM9=9,9,9\r\n[Settings]\r\nVolume = 3\r\n", "Old\u00E9"},
        {"\xEF\xBB\xBF[Settings]\r\nVolume = 3\r\n", "OLD\u00E9"},
    };
    const char *const singleWrites[][2] = {{"Instructions", "First line\u00B6second \u00E9"},
        {"Goal", "squares 3 equal"}, {"Moves", "2"}, {"MatchesInAnswer", "12"}, {"MatchesInPuzzle", "2"}, {"M1", "1,2,3"}, {"M2", "40,50,15"}, {"MatchesInSolution", "1"}, {"S1", "7,8,0"}};
    // clang-format on
    const PuzzleRecord record = sampleRecord("OLD\u00E9");
    for (const auto &file : files) {
        TempFolder folder;
        const std::string batch = folder.file("batch.ini");
        const std::string single = folder.file("single.ini");
        writeBytes(batch, file.start);
        writeBytes(single, file.start);
        const std::uint64_t before = profileReplacementCount();
        ASSERT_TRUE(SavePuzzleRecord(batch, record));
        EXPECT_EQ(profileReplacementCount(), before + 1);
        for (const auto &[key, value] : singleWrites)
            WriteProfileString(record.title, key, value, single);
        EXPECT_EQ(readBytes(batch), readBytes(single));
        EXPECT_EQ(ListPuzzleTitles(batch), std::vector<std::string>{file.listed});
        const std::uint64_t again = profileReplacementCount();
        ASSERT_TRUE(SavePuzzleRecord(batch, record));
        EXPECT_EQ(profileReplacementCount(), again); // nothing changed, nothing written
    }
}

TEST(PuzzleSave, RecordsTheBoardCannotHoldAreRefused)
{
    TempFolder folder;
    const std::string path = folder.file("Kindlet.ini");
    PuzzleRecord tooMany{"Big", "", std::vector<MatchPlacement>(40),
                         std::vector<MatchPlacement>(25)};
    EXPECT_FALSE(SavePuzzleRecord(path, tooMany));
    PuzzleRecord badText{"Fine", "\u0142", {{0, 0, 0}}, {{0, 0, 0}}};
    EXPECT_TRUE(RecordProblem(badText));
    EXPECT_FALSE(SavePuzzleRecord(path, badText));
    EXPECT_FALSE(std::filesystem::exists(path));
}

// A description comes back as it was saved: whole however long, and with
// each line break, a lone CR or LF too, as CR LF, never splitting its line.
TEST(PuzzleLoad, DescriptionsComeBackWhole)
{
    const std::string longText = std::string(200, 'a') + "\r\n" + std::string(300, 'b');
    const std::pair<std::string, std::string> savedAndLoaded[] = {
        {longText, longText}, {"a\nb\rc\r\n[Evil]", "a\r\nb\r\nc\r\n[Evil]"}};
    for (const auto &[saved, loaded] : savedAndLoaded) {
        TempFolder folder;
        const std::string path = folder.file("Kindlet.ini");
        ASSERT_TRUE(SavePuzzleRecord(path, {"P", saved, {{1, 2, 3}}, {}}));
        EXPECT_EQ(LoadPuzzleRecord(path, "P").instructions, loaded);
    }
}

struct CorrectionCase
{
    const char *keys;
    std::vector<MatchPlacement> puzzle;
    std::vector<MatchPlacement> solution;
    std::vector<std::size_t> lines; // of the corrections, in the file after "[P]"
};

// Counts are limited to the board; values out of the format are replaced,
// and each replacement is reported with the line of its key.
TEST(PuzzleLoad, OutOfFormatValuesAreCorrectedAndReported)
{
    const CorrectionCase cases[] = {
        // clang-format off
        {"MatchesInPuzzle=1\r\nM1=1,2,3\r\nMatchesInSolution=0\r\n", {{1, 2, 3}}, {}, {}},
        {"MatchesInPuzzle=1\r\nM1=60, 20, 2\r\nMatchesInSolution=1\r\nS1=1 ,\t2 ,3\r\n", {{60, 20, 2}}, {{1, 2, 3}}, {}},
        {"MatchesInPuzzle=abc\r\nMatchesInSolution=1\r\n", {}, {{0, 0, 0}}, {2}},
        {"MatchesInPuzzle=-5\r\n", {}, {}, {2}},
        {"MatchesInPuzzle=2x\r\nM1=1,2,3\r\nM2=4,5,6\r\n", {{1, 2, 3}, {4, 5, 6}}, {}, {2}},
        {"MatchesInPuzzle=9999\r\nMatchesInSolution=50\r\n", std::vector<MatchPlacement>(63), {{0, 0, 0}}, {2, 3}},
        {"MatchesInPuzzle=1\r\nM1=1,2\r\n", {{1, 2, 0}}, {}, {3}},
        {"MatchesInPuzzle=1\r\nM1=1,x,3\r\n", {{1, 0, 3}}, {}, {3}},
        {"MatchesInPuzzle=1\r\nM1=1,2,16\r\n", {{1, 2, 0}}, {}, {3}},
        {"MatchesInPuzzle=1\r\nM1=1,2,-1\r\n", {{1, 2, 0}}, {}, {3}},
        {"MatchesInPuzzle=1\r\nM1=1,2,3,4\r\n", {{1, 2, 3}}, {}, {3}},
        {"MatchesInPuzzle=1\r\nM1=99999,2,3\r\n", {{32767, 2, 3}}, {}, {3}},
        {"MatchesInPuzzle=1\r\nM1=\r\n", {{0, 0, 0}}, {}, {3}},
        // clang-format on
    };
    for (const CorrectionCase &c : cases) {
        TempFolder folder;
        const std::string path = folder.collection(std::string("[P]\r\n") + c.keys);
        std::vector<LoadCorrection> corrections;
        const PuzzleRecord r = LoadPuzzleRecord(path, "P", corrections);
        EXPECT_EQ(r.puzzle, c.puzzle) << c.keys;
        EXPECT_EQ(r.solution, c.solution) << c.keys;
        std::vector<std::size_t> lines;
        for (const LoadCorrection &correction : corrections)
            lines.push_back(correction.line);
        EXPECT_EQ(lines, c.lines) << c.keys;
    }
}

TEST(PuzzleCollection, ResaveKeepsPlaceAndSurplusKeysStay)
{
    TempFolder folder;
    const std::string path = folder.file("Kindlet.ini");
    PuzzleRecord a = sampleRecord("A");
    a.puzzle.resize(5);
    ASSERT_TRUE(SavePuzzleRecord(path, a));
    ASSERT_TRUE(SavePuzzleRecord(path, sampleRecord("B")));
    ASSERT_TRUE(SavePuzzleRecord(path, sampleRecord("a")));
    EXPECT_EQ(ListPuzzleTitles(path), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(LoadPuzzleRecord(path, "A").puzzle, sampleRecord("a").puzzle);
    EXPECT_NE(readBytes(path).find("M5=0,0,0"), std::string::npos);
    EXPECT_TRUE(RemovePuzzleRecord(path, "A"));
    EXPECT_EQ(ListPuzzleTitles(path), std::vector<std::string>{"B"});
    EXPECT_TRUE(ListPuzzleTitles(folder.file("none.ini")).empty());
}

} // namespace
