#include "exchange/LocalFiles.h"

#include "exchange/PostData.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using namespace tavrio::exchange;

TEST(LocalFiles, baseNameOfLocalPaths)
{
    struct Row { const char* path; const char* name; };
    const Row rows[] = {
        {"C:\\Listen\\x.vok", "x.vok"},
        {"/home/kind/Listen/Unit 1.vok", "Unit 1.vok"},
        {"D:/gemischt\\pfad/y.vok", "y.vok"},
        {"nur.vok", "nur.vok"},
        {"ordner/", ""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(baseName(r.path), r.name) << r.path;
}

TEST(LocalFiles, writeReplacesAnOldListWhole)
{
    const fs::path dir = fs::temp_directory_path() / "tavrio_localfiles_test";
    fs::remove_all(dir);
    fs::create_directories(dir);
    ASSERT_TRUE(writeFileAtomically(dir.string(), "A - B.vok", "alt\r\nold\r\n\r\n\r\n"));
    ASSERT_TRUE(writeFileAtomically(dir.string(), "A - B.vok", "neu"));
    EXPECT_EQ(readFileBytes((dir / "A - B.vok").string()), std::optional<std::string>("neu"));
    EXPECT_FALSE(fs::exists(dir / "A - B.vok.tmp"));

    EXPECT_FALSE(writeFileAtomically((dir / "fehlt").string(), "x.vok", "x")) << "a missing directory fails";
    fs::remove_all(dir);
}

} // namespace
