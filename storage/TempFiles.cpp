#include "storage/TempFiles.h"

#include <cerrno>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace storage {
namespace {

// A writer finishes its temporary in well under a second; one untouched
// for an hour was left by a writer whose process id now names another
// process.
constexpr std::chrono::hours staleAge{1};
constexpr std::size_t uniquePartLength = 6; // mkstemp's XXXXXX

std::string prefixOf(const std::string &name)
{
    return "." + name + ".tmp-";
}

// The writer's process id in a temporary's file name, or 0 when the name is
// not one of our temporaries of that file.
pid_t writerOf(const std::string &entry, const std::string &prefix)
{
    if (entry.compare(0, prefix.size(), prefix) != 0)
        return 0;
    const char *first = entry.data() + prefix.size();
    const char *last = entry.data() + entry.size();
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(first, last, pid);
    const bool wellFormed = error == std::errc() && end != first && end != last && *end == '-' &&
                            std::size_t(last - end - 1) == uniquePartLength;
    return wellFormed && pid > 0 ? pid : 0;
}

bool isRunning(pid_t pid)
{
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

bool isOld(const std::filesystem::directory_entry &entry)
{
    std::error_code error;
    const auto written = entry.last_write_time(error);
    return !error && std::filesystem::file_time_type::clock::now() - written > staleAge;
}

} // namespace

int createTemporary(const std::string &folder, const std::string &name, std::string &tempPath)
{
    tempPath = folder + "/" + prefixOf(name) + std::to_string(::getpid()) + "-" +
               std::string(uniquePartLength, 'X');
    return ::mkstemp(tempPath.data());
}

void removeStaleTemporaries(const std::string &folder, const std::string &name)
{
    const std::string prefix = prefixOf(name);
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        const pid_t writer = writerOf(it->path().filename().string(), prefix);
        std::error_code ignored; // one that cannot go is tried again next time
        if (writer != 0 && (!isRunning(writer) || isOld(*it)))
            std::filesystem::remove(it->path(), ignored);
    }
}

} // namespace storage
