// The compound file container: what the writer makes the reader reads, at
// both sector sizes and past the header's sector table; the mini stream of
// a spreadsheet application's file; and damaged files refused, never read
// past their end or around in circles.
#include <cstring>
#include <gtest/gtest.h>

#include "document/workbook/CompoundFile.h"
#include "document/workbook/CompoundFileWriter.h"
#include "support/TempDir.h"

namespace tabrix {
namespace {

std::string Image(std::string_view stream, unsigned shift = 9) {
    std::string image;
    WriteCompoundFile(u"Workbook", stream, shift, [&](std::string_view bytes) { image.append(bytes); });
    return image;
}

std::string Pattern(std::size_t size) {
    std::string s(size, '\0');
    for (std::size_t i = 0; i < size; ++i) s[i] = static_cast<char>(i * 7 + i / 251);
    return s;
}

void Put32(std::string& s, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) s[at + i] = static_cast<char>(v >> (8 * i));
}

CCompoundFile::Stream Read(std::string image, std::string& out) {
    CCompoundFile file;
    if (!file.open(std::move(image))) return CCompoundFile::Stream::Damaged;
    return file.readStream(u"WORKBOOK", out);
}

TEST(CompoundFile, WhatIsWrittenReadsBack) {
    for (unsigned shift : {9u, 12u}) {
        for (std::size_t size : {std::size_t{0}, std::size_t{100}, std::size_t{4096}, std::size_t{5000},
                                 std::size_t{70001}, std::size_t{8u << 20}}) {
            const std::string stream = Pattern(size);
            std::string out;
            ASSERT_EQ(Read(Image(stream, shift), out), CCompoundFile::Stream::Found) << shift << " " << size;
            // Short streams are padded to the mini stream cutoff.
            ASSERT_EQ(out.size(), std::max<std::size_t>(size, 4096)) << shift << " " << size;
            EXPECT_EQ(out.compare(0, size, stream), 0) << shift << " " << size;
            EXPECT_EQ(out.find_first_not_of('\0', size), std::string::npos);
        }
    }
    // 8 MB in 512-byte sectors needs more than the header's 109 table sectors.
    const std::string big = Image(Pattern(8u << 20));
    std::uint32_t difatCount = 0;
    std::memcpy(&difatCount, big.data() + 0x48, 4);
    EXPECT_GT(difatCount, 0u);
}

TEST(CompoundFile, SmallStreamsFromTheMiniStream) {
    CCompoundFile file;
    ASSERT_TRUE(file.open(test::ReadBytes(std::string(TABRIX_TEST_DATA) + "/workbook/cells.xls")));
    std::string summary;
    ASSERT_EQ(file.readStream(u"\x05SummaryInformation", summary), CCompoundFile::Stream::Found);
    ASSERT_GE(summary.size(), 4u);
    EXPECT_LT(summary.size(), 4096u);
    EXPECT_EQ(summary.substr(0, 2), "\xFE\xFF");  // a property set's byte order mark
    std::string missing;
    EXPECT_EQ(file.readStream(u"Book", missing), CCompoundFile::Stream::Missing);
}

TEST(CompoundFile, DamagedFilesAreRefused) {
    // Layout of a small image: header, sector table in sector 0, directory in
    // sector 1, the stream from sector 2 on.
    const std::string good = Image(Pattern(9000));
    constexpr std::size_t kFat = 512;
    constexpr std::size_t kDir = 1024;
    const struct {
        const char* what;
        std::function<void(std::string&)> damage;
    } cases[] = {
        {"empty", [](std::string& s) { s.clear(); }},
        {"only the header", [](std::string& s) { s.resize(512); }},
        {"cut in the stream", [](std::string& s) { s.resize(s.size() / 2); }},
        {"cut in the directory", [](std::string& s) { s.resize(kDir + 100); }},
        {"not a compound file", [](std::string& s) { s[0] = 'X'; }},
        {"odd sector size", [](std::string& s) { s[0x1E] = 10; }},
        {"table sectors beyond the file", [](std::string& s) { Put32(s, 0x2C, 1000000); }},
        {"table sector out of range", [](std::string& s) { Put32(s, 0x4C, 0xFFFF0); }},
        {"directory out of range", [](std::string& s) { Put32(s, 0x30, 0xFFFF0); }},
        {"stream chain loops", [](std::string& s) { Put32(s, kFat + 4 * 3, 2); }},
        {"stream chain leaves the file", [](std::string& s) { Put32(s, kFat + 4 * 3, 500000); }},
        {"stream chain ends early", [](std::string& s) { Put32(s, kFat + 4 * 3, 0xFFFFFFFE); }},
        {"directory chain loops", [](std::string& s) { Put32(s, kFat + 4 * 1, 1); }},
        {"stream larger than the file", [](std::string& s) { Put32(s, kDir + 128 + 120, 0x7FFFFFFF); }},
        {"no root entry", [](std::string& s) { s[kDir + 66] = 1; }},
    };
    for (const auto& c : cases) {
        std::string image = good;
        c.damage(image);
        std::string out;
        EXPECT_NE(Read(image, out), CCompoundFile::Stream::Found) << c.what;
    }

    // More table sectors than the header holds, listed by an extension
    // sector that names itself as the next one.
    std::string extension = Image(Pattern(300000));
    Put32(extension, 0x2C, 400);
    Put32(extension, 0x44, 5);
    Put32(extension, 0x48, 4);
    Put32(extension, 512 * 6 + 508, 5);
    std::string none;
    EXPECT_EQ(Read(extension, none), CCompoundFile::Stream::Damaged);

    // A directory whose tree points back at itself ends in "not found".
    std::string looped = good;
    Put32(looped, kDir + 128 + 68, 1);
    Put32(looped, kDir + 128 + 72, 1);
    CCompoundFile file;
    ASSERT_TRUE(file.open(looped));
    std::string out;
    EXPECT_EQ(file.readStream(u"Other", out), CCompoundFile::Stream::Missing);
}

}  // namespace
}  // namespace tabrix
