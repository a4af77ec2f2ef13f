// Every file kept under tests/fuzz/<reader>/ (the seeds and each input a
// fuzzer ever found fault with) goes through its reader in the normal suite.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/fuzz/ReaderChecks.h"
#include "tests/support/FileBytes.h"

namespace {

class ReaderCorpus : public testing::TestWithParam<ReaderCheck> {};

}  // namespace

TEST_P(ReaderCorpus, EveryKeptInputReadsWithoutFault) {
    const ReaderCheck& reader = GetParam();
    std::filesystem::path folder =
        std::filesystem::path(ASTRELLO_SOURCE_DIR) / "tests/fuzz" / reader.name;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        ++files;
        EXPECT_EQ(reader.check(readFile(entry.path())), "") << entry.path();
    }
    EXPECT_GE(files, 3) << "the corpus of " << reader.name << " is missing";
}

INSTANTIATE_TEST_SUITE_P(AllReaders, ReaderCorpus, testing::ValuesIn(readerChecks()),
                         [](const testing::TestParamInfo<ReaderCheck>& info) {
                             return std::string(info.param.name);
                         });
