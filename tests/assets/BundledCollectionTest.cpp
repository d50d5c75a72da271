// The committed Kindlet.ini: what the storage layer reads from it, its
// bytes, and whether each solution really is what the instructions ask.
#include "tools/puzzles/CollectionFile.h"
#include "tools/puzzles/Puzzle.h"

#include "board/ArrangementMatch.h"
#include "board/FormLayout.h"
#include "board/Judge.h"
#include "board/Orientations.h"
#include "storage/PuzzleCollection.h"
#include "storage/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

namespace {

const std::string Committed = FLINTORA_SOURCE_DIR "/assets/Kindlet.ini";

// RecordProblem covers the title and the board's 64 matches; the save
// dialog joins title and description by "¦", and "[", "]" and "=" are kept
// out of bundled titles, which name the episode and the number.
TEST(BundledCollection, HasAHundredAndFiftyRecordsThatLoadUncorrectedAndNeedAChange)
{
    const std::vector<std::string> titles = storage::ListPuzzleTitles(Committed);
    EXPECT_GE(titles.size(), 150u);
    const std::regex episodeTitle("(Squares|Roman|Digits|Triangles|Pictures) [1-9][0-9]*");
    for (const std::string &title : titles) {
        SCOPED_TRACE(title);
        EXPECT_TRUE(std::regex_match(title, episodeTitle));
        std::vector<storage::LoadCorrection> corrections;
        const storage::PuzzleRecord record =
            storage::LoadPuzzleRecord(Committed, title, corrections);
        EXPECT_TRUE(corrections.empty());
        EXPECT_FALSE(storage::RecordProblem(record));
        EXPECT_GE(record.puzzle.size(), 1u);
        EXPECT_GE(record.solution.size(), 1u);
        EXPECT_LE(record.instructions.size(), 150u); // shown in a big font
        EXPECT_FALSE(board::SameFigure(record.puzzle, record.solution))
            << "the solution is the puzzle itself";
    }
}

// The window can be made no smaller than its minimum size; there every
// figure must still be whole and in view. Digit sums are too high for that
// box and are checked at the default size the window opens at instead.
TEST(BundledCollection, EveryFigureLiesInItsBoxClearOfTheMatchboxAndButtonsAtTheMinimumSize)
{
    const auto layoutAt = [](board::Size size) {
        board::LayoutInput in;
        in.innerWidth = in.outerWidth = size.width;
        in.innerHeight = size.height;
        return std::pair(in, board::Form_ResizeLayout(in));
    };
    const auto small = layoutAt(board::MinimumInnerSize);
    const auto tall = layoutAt(board::DefaultInnerSize);
    ASSERT_TRUE(small.second && tall.second);
    const auto overlaps = [](const board::Rect &a, const board::Rect &b) {
        return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
               b.top < a.top + a.height;
    };
    const auto inside = [](const board::Rect &a, const board::Rect &box) {
        return a.left >= box.left && a.top >= box.top && a.left + a.width <= box.left + box.width &&
               a.top + a.height <= box.top + box.height;
    };
    for (const std::string &title : storage::ListPuzzleTitles(Committed)) {
        const storage::PuzzleRecord record = storage::LoadPuzzleRecord(Committed, title);
        const bool high = !puzzles::liesIn(record.puzzle, puzzles::PuzzleArea);
        const auto &[in, layout] = high ? tall : small;
        std::vector<board::Rect> inTheWay = {layout->areas.matchbox};
        for (const board::Point &button : layout->boardButtons)
            inTheWay.push_back(
                board::Rect{button.x, button.y, in.boardButtonWidth, in.boardButtonHeight});
        for (const auto &[matches, box] :
             {std::pair(&record.puzzle, layout->areas.puzzleBox),
              std::pair(&record.solution, layout->areas.solutionBox)}) {
            for (const storage::MatchPlacement &m : *matches) {
                ASSERT_TRUE(board::isOrientation(m.o)) << title;
                const auto &image = board::Orientations[m.o];
                const board::Rect match =
                    board::Rect{box.left + m.x, box.top + m.y, image.width, image.height};
                EXPECT_TRUE(inside(match, box)) << title;
                for (const board::Rect &other : inTheWay)
                    EXPECT_FALSE(overlaps(match, other)) << title;
            }
        }
    }
}

// The generator's file is committed as it writes it, and the storage layer
// reads every record back as generated and writes the same bytes: so the
// file is CR LF throughout and starts with the settings section.
TEST(BundledCollection, IsWhatTheGeneratorAndTheStorageLayerBothWrite)
{
    TempFolder folder;
    std::string error;
    ASSERT_TRUE(puzzles::writeCollection(folder.file("generated.ini"), error)) << error;
    EXPECT_EQ(readBytes(folder.file("generated.ini")), readBytes(Committed))
        << "run the regenerate_puzzles target and commit assets/Kindlet.ini";
    const std::vector<storage::PuzzleRecord> generated = puzzles::bundledRecords();
    const std::vector<std::string> titles = storage::ListPuzzleTitles(Committed);
    ASSERT_EQ(titles.size(), generated.size());
    const std::string saved = folder.file("Kindlet.ini");
    writeBytes(saved, "[Settings]\r\n");
    for (std::size_t i = 0; i < generated.size(); ++i) {
        SCOPED_TRACE(titles[i]);
        EXPECT_EQ(titles[i], generated[i].title);
        const storage::PuzzleRecord loaded = storage::LoadPuzzleRecord(Committed, titles[i]);
        EXPECT_EQ(loaded.instructions, generated[i].instructions);
        EXPECT_EQ(loaded.puzzle, generated[i].puzzle);
        EXPECT_EQ(loaded.solution, generated[i].solution);
        ASSERT_TRUE(storage::SavePuzzleRecord(saved, loaded));
    }
    EXPECT_EQ(readBytes(saved), readBytes(Committed));
}

// Matches of one figure that the other does not have on the same segment.
int notIn(const puzzles::Figure &figure, const puzzles::Figure &other)
{
    return int(std::count_if(
        figure.begin(), figure.end(),
        [&](const puzzles::Match &m) {
            return std::none_of(
                other.begin(), other.end(),
                [&](const puzzles::Match &n) { return puzzles::sameSegment(m, n); });
        }));
}

// The judge must accept each stored solution by the puzzle's goal.
TEST(BundledCollection, EveryStoredSolutionMeetsItsGoal)
{
    for (const storage::PuzzleRecord &record : puzzles::bundledRecords()) {
        const std::optional<board::Goal> goal = board::parseGoal(record.goal);
        ASSERT_TRUE(goal) << record.title;
        EXPECT_TRUE(board::judge({*goal, 0, {}, record.solution}, record.solution).goalMet)
            << record.title;
    }
}

// "Move 3 matches", "Take away 8 matches" and "Add 2 matches" must be what
// the solution does, and the moves the puzzle allows.
TEST(BundledCollection, SolutionsMoveTakeAwayOrAddAsManyMatchesAsTheInstructionsSay)
{
    const std::regex count("(Move|Take away|Add) (\\d+) match");
    for (const puzzles::PuzzleDefinition &p : puzzles::bundledPuzzles()) {
        SCOPED_TRACE(p.title);
        std::smatch found;
        ASSERT_TRUE(std::regex_search(p.instructions, found, count))
            << "the instructions say neither how many to move, take away nor add";
        const int said = std::stoi(found[2]);
        EXPECT_EQ(notIn(p.puzzle, p.solution), found[1] == "Add" ? 0 : said);
        EXPECT_EQ(notIn(p.solution, p.puzzle), found[1] == "Take away" ? 0 : said);
        EXPECT_EQ(puzzles::movesBetween(p.puzzle, p.solution), said);
    }
}

} // namespace
