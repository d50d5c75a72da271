// Temporary stand-in so the tree builds before the storage layer lands.
#include "storage/FileIObas.h"
#include "storage/PuzzleCollection.h"

namespace storage {
std::vector<std::string> SectionNames{std::string()};
void setErrorHandler(ErrorHandler) {}
std::string ReadProfileString(const std::string &, const std::string &, const std::string &d,
                              std::int16_t, const std::string &)
{
    return d;
}
std::string WriteProfileString(const std::string &, const std::optional<std::string> &,
                               const std::optional<std::string> &, const std::string &)
{
    return "0";
}
void GetSectionNames(const std::string &)
{
    SectionNames = {std::string()};
}
void DeleteSection(const std::string &, const std::string &) {}
std::vector<std::string> ListPuzzleTitles(const std::string &)
{
    return {};
}
PuzzleRecord LoadPuzzleRecord(const std::string &, const std::string &t)
{
    return {t, {}, {}, {}};
}
std::optional<std::string> TitleProblem(const std::string &)
{
    return std::nullopt;
}
bool SavePuzzleRecord(const std::string &, const PuzzleRecord &)
{
    return false;
}
bool RemovePuzzleRecord(const std::string &, const std::string &)
{
    return false;
}
} // namespace storage
