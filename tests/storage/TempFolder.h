// What the storage tests share: a fresh folder per test, removed with
// everything in it; file bytes in and out; names for table rows.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

inline void writeBytes(const std::string &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string readBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class TempFolder
{
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "flintora-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data());
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    std::string file(const std::string &name) const { return (m_path / name).string(); }
    std::string path() const { return m_path.string(); }

    // Kindlet.ini in this folder, made to hold bytes.
    std::string collection(const std::string &bytes) const
    {
        writeBytes(file("Kindlet.ini"), bytes);
        return file("Kindlet.ini");
    }

private:
    std::filesystem::path m_path;
};

// GoogleTest takes only letters, digits and "_" in a row's name, so a row
// named "value cut to size - 1" runs as value_cut_to_size___1.
template<typename Case>
std::string rowName(const testing::TestParamInfo<Case> &info)
{
    std::string name = info.param.name;
    std::replace_if(
        name.begin(), name.end(), [](unsigned char ch) { return !std::isalnum(ch); }, '_');
    return name;
}
