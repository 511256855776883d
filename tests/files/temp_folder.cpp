#include "temp_folder.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "thermocline-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create " + pattern);
    path_ = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void TempFolder::Write(const std::string& name, const std::string& bytes) const
{
    std::ofstream out(path_ / name, std::ios::binary);
    out << bytes;
}

std::string TempFolder::Read(const std::string& name) const
{
    std::ifstream in(path_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> TempFolder::Names() const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
