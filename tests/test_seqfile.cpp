#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>
#include <unistd.h>

#include "toolkit/seqfile.h"

namespace fs = std::filesystem;
using Values = std::vector<std::string>;

namespace {

class SeqFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("zirimbo-seqfile-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    void TearDown() override { fs::remove_all(root_); }
    void put(const std::string& name, const std::string& bytes) { std::ofstream(root_ / name, std::ios::binary) << bytes; }
    std::string get(const std::string& name) {
        std::ifstream in(root_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::string path(const std::string& name) const { return (root_ / name).string(); }
    long entries() const { return std::distance(fs::directory_iterator(root_), fs::directory_iterator()); }

    fs::path root_;
};

TEST_F(SeqFileTest, WritesExactBytesAndReadsThemBack) {
    tk::SequentialWriter w(path("Punti.txt"));
    w.writeString("Sì, grazie");
    w.writeNumber(42);
    w.writeString("");
    w.writeNumber(-7);
    w.writeString("il \"Re\" 你\r\n€");  // stays one readable value
    ASSERT_TRUE(w.commit());
    EXPECT_EQ(get("Punti.txt"), "\"S\xEC, grazie\"\r\n42\r\n\"\"\r\n-7\r\n\"il 'Re' ?  \x80\"\r\n");
    EXPECT_EQ(tk::readValues(path("Punti.txt")), (Values{"Sì, grazie", "42", "", "-7", "il 'Re' ?  €"}));
}

TEST_F(SeqFileTest, ReadsLinesAndValues) {
    put("a.txt", "\"Anna\",12, \"Bo, Ca\" , 7 \r\n\r\n\"\"\r\n\"aperto\r\n");
    EXPECT_EQ(tk::readValues(path("a.txt")), (Values{"Anna", "12", "Bo, Ca", "7", "", "", "aperto"}));
    put("b.txt", "\"S\xEC\"\n5\n\n\"ultima\"");
    EXPECT_EQ(tk::readValues(path("b.txt")), (Values{"Sì", "5", "", "ultima"}));
    put("c.txt", "1\r\n2\r\n");
    EXPECT_EQ(tk::readValues(root_.string() + "\\C.TXT"), (Values{"1", "2"}));
    put("d.txt", "");
    EXPECT_EQ(tk::readValues(path("d.txt")), Values{});
    EXPECT_FALSE(tk::readValues(path("missing.txt")).has_value());
    EXPECT_FALSE(tk::readValues(root_.string()).has_value());
}

TEST_F(SeqFileTest, CommitReplacesTheFileInItsRealCase) {
    put("Punti.txt", "1\r\n");
    tk::SequentialWriter w(root_.string() + "\\PUNTI.TXT");
    w.writeNumber(2);
    EXPECT_EQ(get("Punti.txt"), "1\r\n");
    ASSERT_TRUE(w.commit());
    EXPECT_EQ(get("Punti.txt"), "2\r\n");
    EXPECT_EQ(entries(), 1);
}

TEST_F(SeqFileTest, AFailedSaveKeepsTheOldState) {
    fs::create_directory(root_ / "Punti.txt");  // a folder: the rename over it fails
    put("Punti.txt/dentro", "old");
    tk::SequentialWriter w(path("Punti.txt"));
    w.writeNumber(1);
    EXPECT_FALSE(w.commit());
    EXPECT_EQ(get("Punti.txt/dentro"), "old");
    EXPECT_EQ(entries(), 1);  // no temporary file left behind

    tk::SequentialWriter missing(path("Manca/Punti.txt"));
    EXPECT_FALSE(missing.commit());
}

}  // namespace
