// Damaged workbooks: random bytes, truncations and flipped bytes of the
// fixtures, and mangled XML inside an intact package. Nothing may crash or
// read out of bounds (the sanitizer run checks), and every refusal has a
// message.
#include <zip.h>

#include <random>

#include <gtest/gtest.h>

#include "document/workbook/WorkbookReader.h"
#include "support/TempDir.h"

namespace tabrix {
namespace {

const std::string kData = std::string(TABRIX_TEST_DATA) + "/workbook/";

// Opens and reads every sheet; true when the whole workbook was read.
bool ReadAll(const std::string& path) {
    std::string message;
    const auto reader = OpenWorkbookFile(path, message);
    if (!reader) {
        EXPECT_FALSE(message.empty());
        return false;
    }
    bool whole = true;
    for (std::size_t s = 0; s < reader->sheetNames().size(); ++s) {
        whole = reader->readRows(s, 1, reader->rowLimit(), [](int, std::span<const std::string> cells, const CellAlterations&) {
            for (const std::string& cell : cells) EXPECT_EQ(cell.find_first_of("\t\r\n"), std::string::npos);
            return true;
        }) && whole;
    }
    return whole;
}

TEST(WorkbookFuzz, TruncatedAndFlippedFixtures) {
    test::TempDir dir;
    std::mt19937 rng(2024);
    for (const char* name : {"cells.xls", "cells.xlsx", "strings.xls", "edge.xlsx", "date1904.xls"}) {
        SCOPED_TRACE(name);
        const std::string bytes = test::ReadBytes(kData + name);
        const std::string path = (dir / name).string();
        for (std::size_t step = 0; step <= 64; ++step) {
            dir.write(name, bytes.substr(0, bytes.size() * step / 64));
            ReadAll(path);
        }
        for (int round = 0; round < 150; ++round) {
            std::string mutant = bytes;
            const int flips = 1 + static_cast<int>(rng() % 8);
            for (int i = 0; i < flips; ++i) mutant[rng() % mutant.size()] = static_cast<char>(rng());
            dir.write(name, mutant);
            ReadAll(path);
        }
    }
    for (const std::string head : {std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8), std::string("PK\x03\x04"), std::string()}) {
        for (int round = 0; round < 50; ++round) {
            std::string noise = head;
            const std::size_t length = rng() % 5000;
            for (std::size_t i = 0; i < length; ++i) noise.push_back(static_cast<char>(rng()));
            EXPECT_FALSE(ReadAll(dir.write("noise.xls", noise).string()));
        }
    }
}

// Rebuilds a package with one part replaced.
void WritePackage(const std::string& source, const std::string& target, const std::string& part,
                  const std::string& content) {
    int error = 0;
    zip_t* in = zip_open(source.c_str(), ZIP_RDONLY, &error);
    zip_t* out = zip_open(target.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_TRUE(in && out);
    std::vector<std::string> keep;  // the buffers must live until the archive is closed
    keep.reserve(static_cast<std::size_t>(zip_get_num_entries(in, 0)));
    for (zip_int64_t i = 0; i < zip_get_num_entries(in, 0); ++i) {
        const std::string name = zip_get_name(in, static_cast<zip_uint64_t>(i), 0);
        std::string data;
        if (name == part) {
            data = content;
        } else {
            zip_stat_t st;
            zip_stat_index(in, static_cast<zip_uint64_t>(i), 0, &st);
            data.resize(st.size);
            zip_file_t* f = zip_fopen_index(in, static_cast<zip_uint64_t>(i), 0);
            zip_fread(f, data.data(), data.size());
            zip_fclose(f);
        }
        keep.push_back(std::move(data));
        zip_source_t* src = zip_source_buffer(out, keep.back().data(), keep.back().size(), 0);
        zip_file_add(out, name.c_str(), src, ZIP_FL_OVERWRITE);
    }
    zip_close(out);
    zip_discard(in);
}

std::string PartOf(const std::string& package, const std::string& part) {
    int error = 0;
    zip_t* in = zip_open(package.c_str(), ZIP_RDONLY, &error);
    zip_stat_t st;
    zip_stat(in, part.c_str(), 0, &st);
    std::string data(st.size, '\0');
    zip_file_t* f = zip_fopen(in, part.c_str(), 0);
    zip_fread(f, data.data(), data.size());
    zip_fclose(f);
    zip_discard(in);
    return data;
}

TEST(WorkbookFuzz, MangledXmlInAnIntactPackage) {
    test::TempDir dir;
    std::mt19937 rng(7);
    const std::string source = kData + "edge.xlsx";
    const std::string target = (dir / "m.xlsx").string();
    for (const char* part : {"xl/worksheets/sheet1.xml", "xl/sharedStrings.xml", "xl/workbook.xml",
                             "xl/_rels/workbook.xml.rels", "xl/styles.xml", "_rels/.rels"}) {
        SCOPED_TRACE(part);
        const std::string xml = PartOf(source, part);
        for (int round = 0; round < 40; ++round) {
            std::string mutant = xml;
            if (round % 4 == 0) {
                mutant.resize(rng() % xml.size());
            } else {
                // Flip printable characters: tags, digits and attribute values change.
                const char alphabet[] = "<>/=\"&;0123456789ABCDEFrcstvx_ ";
                for (int i = 0; i < 1 + static_cast<int>(rng() % 6); ++i)
                    mutant[rng() % mutant.size()] = alphabet[rng() % (sizeof alphabet - 1)];
            }
            WritePackage(source, target, part, mutant);
            ReadAll(target);
        }
    }
    // A document type declaration could expand entities: refused outright.
    WritePackage(source, target, "xl/sharedStrings.xml",
                 "<?xml version=\"1.0\"?><!DOCTYPE sst [<!ENTITY a \"aaaaaaaaaa\">]><sst/>");
    EXPECT_FALSE(ReadAll(target));
}

}  // namespace
}  // namespace tabrix
