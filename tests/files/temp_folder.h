// A fresh folder for one test, removed with everything in it when the test ends.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;
    // The names in the folder, sorted: shows that no temporary file was left behind.
    std::vector<std::string> Names() const;

private:
    std::filesystem::path path_;
};

// Sends the lines a memo would receive into a list the test can look at.
struct MemoLines {
    std::vector<std::string> lines;
    auto Sink()
    {
        return [this](const std::string& line) { lines.push_back(line); };
    }
};
