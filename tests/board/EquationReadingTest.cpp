#include "board/EquationReading.h"

#include "MatchFigures.h"
#include "Typeset.h"

#include <gtest/gtest.h>

#include <string>

namespace board {
namespace {

using namespace figures;

// clang-format off
const struct { const char *name; Arrangement box; const char *read; } Readings[] = {
    {"roman sum on one line", typeset("VI+IV=X"), "VI+IV=X holds"},
    {"roman on two lines", plus(typeset("VI-IV"), typeset("=II", 130)), "VI-IV=II holds"},
    {"largest roman", typeset("XXXIX-IX=XXX"), "XXXIX-IX=XXX holds"},
    {"digits with a carry", typeset("5+7=12"), "5+7=12 holds"},
    {"digits on two lines", plus(typeset("30-6"), typeset("=24", 250)), "30-6=24 holds"},
    {"false digit sum", typeset("8+1=96"), "8+1=96 is false"},
    {"shifted and placed by hand", byHand(typeset("XI+I=XII"), 173, 91), "XI+I=XII holds"},
    {"sloppy X stays an X", nudged(nudged(typeset("X+I=XI"), 0, 6, 0), 1, -6, 0), "X+I=XI holds"},
    {"no matches", {}, "no equation"},
    {"four ones", typeset("IIII+I=V"), "no equation"},
    {"two fives", typeset("VV-V=V"), "no equation"},
    {"two ones before five", typeset("IIV+I=IV"), "no equation"},
    {"forty is out of range", typeset("XXXX-X=XXX"), "no equation"},
    {"number too long to read", typeset("1111111111-1=1111111110"), "no equation"},
    {"roman mixed with digits", typeset("V+1=6"), "no equation"},
    {"no operator", typeset("II=II"), "no equation"},
    {"segment too far off", nudged(typeset("5+7=12"), 7, 0, -30), "no equation"},
    {"a loose match", plus(typeset("VI+IV=X"), {{300, 150, 2}}), "no equation"},
    {"minus set too high", nudged(typeset("VI-IV=II"), 3, 0, -45), "no equation"},
    {"second line not led by equals", plus(typeset("VI"), typeset("-IV=II", 130)), "no equation"},
};
// clang-format on

TEST(EquationReading, ReadsTheFigureAsTheEquationItShows)
{
    for (const auto &c : Readings) {
        const auto reading = readEquation(c.box);
        const std::string holds = reading && reading->holds ? " holds" : " is false";
        EXPECT_EQ(reading ? reading->text + holds : "no equation", c.read) << c.name;
    }
}

} // namespace
} // namespace board
