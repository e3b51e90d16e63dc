#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/support/scratch_folder.h"
#include "toolkit/seqfile.h"

namespace fs = std::filesystem;
using Values = std::vector<std::string>;

namespace {

class SeqFileTest : public ::testing::Test {
protected:
    void put(const std::string& name, const std::string& bytes) {
        std::ofstream(root_ / name, std::ios::binary) << bytes;
    }
    std::string get(const std::string& name) {
        std::ifstream in(root_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::string path(const std::string& name) const { return (root_ / name).string(); }
    long entries() const { return std::distance(fs::directory_iterator(root_), fs::directory_iterator()); }

    scratch::Folder scratch_{"zirimbo-seqfile"};
    fs::path root_ = scratch_.path();
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
    EXPECT_EQ(tk::readValues(path("Punti.txt")).values, (Values{"Sì, grazie", "42", "", "-7", "il 'Re' ?  €"}));
}

TEST_F(SeqFileTest, ReadsOneValuePerLine) {
    // Quotes and commas inside a quoted line stay: an old name does not shift what follows.
    put("a.txt", "\"Pino \"il\", Re\"\r\n 12 \r\n\r\n\"\"\r\n\"aperto \r\n\"a\",\"b\"\r\n\"\r\n");
    EXPECT_EQ(tk::readValues(path("a.txt")).values,
              (Values{"Pino \"il\", Re", "12", "", "", "aperto ", "a\",\"b", ""}));
    put("b.txt", "\"S\xEC\"\n5\n\n\"ultima\"");
    EXPECT_EQ(tk::readValues(path("b.txt")).values, (Values{"Sì", "5", "", "ultima"}));
    put("c.txt", "1\r\n2\r\n");
    const tk::FileValues c = tk::readValues(root_.string() + "\\C.TXT");
    EXPECT_EQ(c.status, tk::FileValues::Read);
    EXPECT_EQ(c.values, (Values{"1", "2"}));
    put("bom.txt", "\xEF\xBB\xBF\"S\xEC\"\r\n\xEF\xBB\xBF\r\n");  // a mark only at the start is not text
    EXPECT_EQ(tk::readValues(path("bom.txt")).values, (Values{"Sì", "ï»¿"}));
    put("d.txt", "");
    EXPECT_EQ(tk::readValues(path("d.txt")).status, tk::FileValues::Read);
    EXPECT_EQ(tk::readValues(path("d.txt")).values, Values{});
    EXPECT_EQ(tk::readValues(path("missing.txt")).status, tk::FileValues::Missing);
}

TEST_F(SeqFileTest, RefusesWhatIsNotASmallRegularFile) {
    auto refused = [&](const std::string& name) {
        const tk::FileValues v = tk::readValues(path(name));
        return v.status == tk::FileValues::Refused && v.values.empty() && !v.problem.empty();
    };
    // A pipe nobody writes to would hold the reader up for good.
    ASSERT_EQ(::mkfifo(path("pipe.txt").c_str(), 0600), 0);
    EXPECT_TRUE(refused("pipe.txt"));
    // A device without end would fill the memory.
    fs::create_symlink("/dev/zero", root_ / "zero.txt");
    EXPECT_TRUE(refused("zero.txt"));
    EXPECT_TRUE(refused(""));  // the folder itself
    put("big.txt", std::string(tk::kMaxValueFileBytes + 1, '1'));
    EXPECT_TRUE(refused("big.txt"));
    put("limit.txt", std::string(tk::kMaxValueFileBytes, '1'));
    EXPECT_EQ(tk::readValues(path("limit.txt")).values.size(), 1u);
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

TEST_F(SeqFileTest, ASaveOverTheFileSizeLimitFailsAndKeepsTheOldFile) {
    put("Punti.txt", "old\r\n");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        tk::keepRunningPastFileSizeLimit();
        const rlimit limit{16, 16};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        tk::SequentialWriter w(path("Punti.txt"));
        w.writeString(std::string(100, 'x'));
        ::_exit(w.commit() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0) << "the save reported success";
    EXPECT_EQ(get("Punti.txt"), "old\r\n");
    EXPECT_EQ(entries(), 1);
}

TEST_F(SeqFileTest, TemporaryFilesOfEndedSavesAreRemoved) {
    // A process number that cannot be running: above the kernel's highest.
    put(".ZirOpz.txt.tmp-999999999", "half");
    put(".ZirCla.txt.tmp-" + std::to_string(::getpid()), "ours, being written");
    put(".nascosto", "kept");
    put("ZirOpz.txt.tmp-1x", "kept");
    tk::removeSaveLeftovers(root_.string());
    EXPECT_FALSE(fs::exists(root_ / ".ZirOpz.txt.tmp-999999999"));
    EXPECT_EQ(entries(), 3);
}

TEST_F(SeqFileTest, ADamagedFileIsKeptOnceBeforeItIsOverwritten) {
    const tk::LocalTime now{2026, 12, 7, 9, 5, 3};
    EXPECT_TRUE(tk::keepDamagedCopy(path("Manca.txt"), now));  // nothing to keep
    EXPECT_EQ(entries(), 0);
    put("ZirCla.txt", "guasto");
    ASSERT_TRUE(tk::keepDamagedCopy(path("ZirCla.txt"), now));
    EXPECT_EQ(get("ZirCla.txt.bad-20261207-090503"), "guasto");
    tk::SequentialWriter w(path("ZirCla.txt"));
    w.writeNumber(1);
    ASSERT_TRUE(w.commit());
    EXPECT_EQ(get("ZirCla.txt.bad-20261207-090503"), "guasto");
    // A second one in the same second does not take the place of the first.
    ASSERT_TRUE(tk::keepDamagedCopy(path("ZirCla.txt"), now));
    EXPECT_EQ(get("ZirCla.txt.bad-20261207-090503"), "guasto");
    EXPECT_EQ(get("ZirCla.txt.bad-20261207-090503-1"), "1\r\n");
}

}  // namespace
