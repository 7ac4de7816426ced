#pragma once
// Shared pieces of the store tests: a temporary data folder, byte-exact
// file access and a message sink that records what would have been shown.

#include "store/message_sink.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace StoreTest {

class TempFolder {
public:
    TempFolder()
    {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path()
                / ("marrowdale-store-" + std::to_string(seed()) + "-" + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const char* name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string Fixture(const char* name)
{
    return ReadBytes(std::filesystem::path(MD_FIXTURES_DIR) / name);
}

// The lines of a database text without their CR LF ends.
inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// A payload as read with field `k` (1-based) replaced.
inline std::string PayloadWith(const std::string& payload, std::size_t k, const std::string& value)
{
    std::vector<std::string> fields(1);
    for (char c : payload) {
        if (c == '|')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    fields.at(k - 1) = value;
    std::string text;
    for (std::size_t i = 0; i < fields.size(); ++i)
        text += (i ? "|" : "") + fields[i];
    return text;
}

class RecordingSink : public Support::MessageSink {
public:
    bool ShowMessage(const Support::MessageBoxCall& call) override
    {
        boxes.push_back(call);
        return true;
    }
    void ShowSystemMessage(std::string_view text) override { systemMessages.emplace_back(text); }

    std::vector<Support::MessageBoxCall> boxes;
    std::vector<std::string> systemMessages;
};

} // namespace StoreTest
