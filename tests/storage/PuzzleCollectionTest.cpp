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
    const std::string path = folder.file("Kindlet.ini");
    writeBytes(path, "[Settings]\r\n[Triangle]\r\n"
                     "Instructions=Move one match.\xB6Good luck\r\n"
                     "MatchesInPuzzle=3\r\nM1=60,20,2\r\nM2=100,20,14\r\nM3=60,90,4\r\n"
                     "MatchesInSolution=3\r\nS1=60,10,4\r\nS2=60,20,6\r\nS3=120,20,10\r\n");
    EXPECT_EQ(ListPuzzleTitles(path), std::vector<std::string>{"Triangle"});
    const PuzzleRecord r = LoadPuzzleRecord(path, "triangle");
    EXPECT_EQ(r.instructions, "Move one match.\r\nGood luck");
    const std::vector<MatchPlacement> puzzle = {{60, 20, 2}, {100, 20, 14}, {60, 90, 4}};
    const std::vector<MatchPlacement> solution = {{60, 10, 4}, {60, 20, 6}, {120, 20, 10}};
    EXPECT_EQ(r.puzzle, puzzle);
    EXPECT_EQ(r.solution, solution);
}

} // namespace

namespace {

PuzzleRecord sampleRecord(const std::string &title)
{
    return {title, "First line\r\nsecond \u00E9", {{1, 2, 3}, {40, 50, 15}}, {{7, 8, 0}}};
}

struct TitleCase
{
    std::string title;
    bool refused;
};

// Every title either survives save, list and load unchanged or is refused
// before anything is written.
TEST(PuzzleTitles, StoredUnchangedOrRefused)
{
    const TitleCase cases[] = {
        {"Triangle", false},
        {"Two words", false},
        {"a]b", false},
        {"x]", false},
        {"[inner", false},
        {"a=b", false},
        {"; semi", false},
        {"#hash", false},
        {"Caf\u00E9 \u20AC", false},
        {"Settings!", false},
        {"settings", true},
        {"SETTINGS", true},
        {"SeTtInGs", true},
        {"", true},
        {" lead", true},
        {"trail ", true},
        {"\ttab", true},
        {"line\r\nbreak", true},
        {"lf\nonly", true},
        {"cr\ronly", true},
        {"ctrl\x1A", true},
        {"\u0142\u00F3d\u017A", true},
        {"\U0001F600", true},
        {"bad\xC3", true},
    };
    for (const TitleCase &c : cases) {
        TempFolder folder;
        const std::string path = folder.file("Kindlet.ini");
        writeBytes(path, "[Settings]\r\nk=v\r\n");
        EXPECT_EQ(TitleProblem(c.title).has_value(), c.refused) << c.title;
        const bool saved = SavePuzzleRecord(path, sampleRecord(c.title));
        EXPECT_EQ(saved, !c.refused) << c.title;
        if (c.refused) {
            EXPECT_EQ(readBytes(path), "[Settings]\r\nk=v\r\n") << c.title;
            continue;
        }
        EXPECT_EQ(ListPuzzleTitles(path), std::vector<std::string>{c.title});
        const PuzzleRecord back = LoadPuzzleRecord(path, c.title);
        EXPECT_EQ(back.instructions, sampleRecord(c.title).instructions) << c.title;
        EXPECT_EQ(back.puzzle, sampleRecord(c.title).puzzle) << c.title;
        EXPECT_EQ(back.solution, sampleRecord(c.title).solution) << c.title;
    }
}

TEST(PuzzleSave, OneReplacementWithTheBytesOfSingleWrites)
{
    TempFolder folder;
    const std::string batch = folder.file("batch.ini");
    const std::string single = folder.file("single.ini");
    const std::string start = "[Old]\r\nInstructions=x\r\n; keep me\r\nM1=1,1,1\r\nM9=9,9,9\r\n"
                              "[Settings]\r\nVolume = 3\r\n";
    writeBytes(batch, start);
    writeBytes(single, start);
    PuzzleRecord record = sampleRecord("OLD");
    const std::uint64_t before = profileReplacementCount();
    ASSERT_TRUE(SavePuzzleRecord(batch, record));
    EXPECT_EQ(profileReplacementCount(), before + 1);

    WriteProfileString("OLD", std::string("Instructions"),
                       std::string("First line\u00B6second \u00E9"), single);
    WriteProfileString("OLD", std::string("MatchesInPuzzle"), std::string("2"), single);
    WriteProfileString("OLD", std::string("M1"), std::string("1,2,3"), single);
    WriteProfileString("OLD", std::string("M2"), std::string("40,50,15"), single);
    WriteProfileString("OLD", std::string("MatchesInSolution"), std::string("1"), single);
    WriteProfileString("OLD", std::string("S1"), std::string("7,8,0"), single);
    EXPECT_EQ(readBytes(batch), readBytes(single));
    EXPECT_EQ(ListPuzzleTitles(batch), (std::vector<std::string>{"Old"}));

    const std::uint64_t again = profileReplacementCount();
    ASSERT_TRUE(SavePuzzleRecord(batch, record));
    EXPECT_EQ(profileReplacementCount(), again); // nothing changed, nothing written
}

TEST(PuzzleSave, Utf8FileStaysUtf8)
{
    TempFolder folder;
    const std::string path = folder.file("Kindlet.ini");
    writeBytes(path, "\xEF\xBB\xBF[Settings]\r\n");
    ASSERT_TRUE(SavePuzzleRecord(path, sampleRecord("Caf\u00E9")));
    EXPECT_EQ(readBytes(path).substr(0, 60), "\xEF\xBB\xBF[Settings]\r\n[Caf\xC3\xA9]\r\n"
                                             "Instructions=First line\xC2\xB6second \xC3\xA9\r\n");
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

TEST(PuzzleLoad, LongDescriptionComesBackWhole)
{
    TempFolder folder;
    const std::string path = folder.file("Kindlet.ini");
    PuzzleRecord record = sampleRecord("Long");
    record.instructions = std::string(200, 'a') + "\r\n" + std::string(300, 'b');
    ASSERT_TRUE(SavePuzzleRecord(path, record));
    EXPECT_EQ(LoadPuzzleRecord(path, "Long").instructions, record.instructions);
}

TEST(PuzzleLoad, LoneLineBreaksAreStoredOnTheirLine)
{
    TempFolder folder;
    const std::string path = folder.file("Kindlet.ini");
    PuzzleRecord record = sampleRecord("Breaks");
    record.instructions = "a\nb\rc\r\n[Evil]";
    ASSERT_TRUE(SavePuzzleRecord(path, record));
    EXPECT_EQ(ListPuzzleTitles(path), std::vector<std::string>{"Breaks"});
    EXPECT_EQ(LoadPuzzleRecord(path, "Breaks").instructions, "a\r\nb\r\nc\r\n[Evil]");
}

struct CorrectionCase
{
    const char *keys;
    std::vector<MatchPlacement> puzzle;
    std::vector<MatchPlacement> solution;
    std::size_t corrections;
};

TEST(PuzzleLoad, OutOfFormatValuesAreCorrectedAndReported)
{
    const CorrectionCase cases[] = {
        {"MatchesInPuzzle=1\r\nM1=1,2,3\r\nMatchesInSolution=0\r\n", {{1, 2, 3}}, {}, 0},
        {"MatchesInPuzzle=1\r\nM1=60, 20, 2\r\nMatchesInSolution=1\r\nS1=1 ,\t2 ,3\r\n",
         {{60, 20, 2}},
         {{1, 2, 3}},
         0},
        {"MatchesInPuzzle=abc\r\nMatchesInSolution=1\r\n", {}, {{0, 0, 0}}, 1},
        {"MatchesInPuzzle=-5\r\n", {}, {}, 1},
        {"MatchesInPuzzle=2x\r\nM1=1,2,3\r\nM2=4,5,6\r\n", {{1, 2, 3}, {4, 5, 6}}, {}, 1},
        {"MatchesInPuzzle=1\r\nM1=1,2\r\n", {{1, 2, 0}}, {}, 1},
        {"MatchesInPuzzle=1\r\nM1=1,x,3\r\n", {{1, 0, 3}}, {}, 1},
        {"MatchesInPuzzle=1\r\nM1=1,2,16\r\n", {{1, 2, 0}}, {}, 1},
        {"MatchesInPuzzle=1\r\nM1=1,2,-1\r\n", {{1, 2, 0}}, {}, 1},
        {"MatchesInPuzzle=1\r\nM1=1,2,3,4\r\n", {{1, 2, 3}}, {}, 1},
        {"MatchesInPuzzle=1\r\nM1=99999,2,3\r\n", {{32767, 2, 3}}, {}, 1},
        {"MatchesInPuzzle=1\r\nM1=\r\n", {{0, 0, 0}}, {}, 1},
    };
    for (const CorrectionCase &c : cases) {
        TempFolder folder;
        const std::string path = folder.file("Kindlet.ini");
        writeBytes(path, std::string("[P]\r\n") + c.keys);
        std::vector<LoadCorrection> corrections;
        const PuzzleRecord r = LoadPuzzleRecord(path, "P", corrections);
        EXPECT_EQ(r.puzzle, c.puzzle) << c.keys;
        EXPECT_EQ(r.solution, c.solution) << c.keys;
        EXPECT_EQ(corrections.size(), c.corrections) << c.keys;
        for (const LoadCorrection &correction : corrections)
            EXPECT_GE(correction.line, 2u) << correction.text;
    }
}

TEST(PuzzleLoad, CountsAreLimitedToTheBoard)
{
    TempFolder folder;
    const std::string path = folder.file("Kindlet.ini");
    writeBytes(path, "[P]\r\nMatchesInPuzzle=9999\r\nMatchesInSolution=50\r\n");
    std::vector<LoadCorrection> corrections;
    const PuzzleRecord r = LoadPuzzleRecord(path, "P", corrections);
    EXPECT_EQ(r.puzzle.size(), 63u);
    EXPECT_EQ(r.solution.size(), 1u);
    ASSERT_EQ(corrections.size(), 2u);
    EXPECT_EQ(corrections[0].line, 2u);
    EXPECT_EQ(corrections[1].line, 3u);
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
