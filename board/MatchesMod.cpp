#include "board/MatchesMod.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace board {

namespace fs = std::filesystem;

std::string withTrailingSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

bool canWrite(const std::string &path)
{
    return ::access(path.c_str(), W_OK) == 0;
}

SettingsLocation chooseSettingsFile(const std::string &appFolder, const std::string &dataFolder,
                                    CanWrite writable)
{
    const std::string besideProgram = withTrailingSlash(appFolder) + SettingsFileName;
    std::error_code error;
    // A program folder without a collection is an installed copy, even when
    // the player can write there (a prefix in their home): it would start
    // with no puzzles.
    const bool fileThere = fs::exists(besideProgram, error);
    if (fileThere && writable(appFolder) && writable(besideProgram))
        return {besideProgram, false, {}};
    return {withTrailingSlash(dataFolder) + SettingsFileName, true,
            fileThere ? besideProgram : std::string()};
}

bool seedSettingsFile(const std::string &file, const std::string &bundledCollection)
{
    std::error_code error;
    if (fs::exists(file, error))
        return true;
    fs::create_directories(fs::path(file).parent_path(), error);
    const std::string partial = file + ".seed";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(bundledCollection.data(), std::streamsize(bundledCollection.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(partial, error);
            return false;
        }
    }
    // Renamed into place whole, so a full disk never leaves half a file.
    fs::rename(partial, file, error);
    if (error)
        fs::remove(partial, error);
    return !error;
}

} // namespace board
