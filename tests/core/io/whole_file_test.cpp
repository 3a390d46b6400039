// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/whole_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace vellamor {
namespace {

namespace fs = std::filesystem;

// What is read, or why not, for each kind of thing under a name; a FIFO is
// refused at once instead of waiting for a writer.
TEST(WholeFile, ReadsARegularFileUpToTheLimitAndRefusesTheRest) {
    constexpr std::size_t kLimit = 64 * 1024;
    std::string pattern = (fs::temp_directory_path() / "vellamor-whole-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const fs::path dir(pattern);
    const std::string atLimit(kLimit, 'a');
    std::ofstream(dir / "at-limit", std::ios::binary) << atLimit;
    std::ofstream(dir / "over-limit", std::ios::binary) << atLimit << 'b';
    std::ofstream(dir / "empty", std::ios::binary);
    fs::create_directory(dir / "folder");
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);

    using K = WholeFileError::Kind;
    struct Case {
        const char* name;
        std::optional<std::string> bytes;  // none: refused
        K kind = K::System;
        int systemError = 0;
    };
    const std::vector<Case> cases{
        {"at-limit", atLimit},
        {"empty", std::string()},
        {"over-limit", std::nullopt, K::TooLarge},
        {"missing", std::nullopt, K::System, ENOENT},
        {"folder", std::nullopt, K::NotRegularFile},
        {"fifo", std::nullopt, K::NotRegularFile},
        {"at-limit/inside", std::nullopt, K::System, ENOTDIR},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto read = ReadWholeFile((dir / c.name).string(), kLimit);
        ASSERT_EQ(read.has_value(), c.bytes.has_value());
        if (read) {
            EXPECT_TRUE(*read == *c.bytes) << read->size() << " bytes";
            continue;
        }
        EXPECT_EQ(read.error().kind, c.kind);
        EXPECT_EQ(read.error().systemError, c.systemError);
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace vellamor
