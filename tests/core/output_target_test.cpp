#include "core/output_target.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "core/errors.h"
#include "core/file_io.h"
#include "core/pdf_check.h"
#include "event_test_files.h"
#include "support/saved_event.h"
#include "support/shown_outcome.h"
#include "support/test_platform.h"

namespace fsys = std::filesystem;

namespace {

bool IsLink(const std::string& path) { return fsys::is_symlink(fsys::symlink_status(path)); }
bool IsFifo(const std::string& path) { return fsys::is_fifo(fsys::symlink_status(path)); }

struct OutputTarget : ::testing::Test {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  void SetUp() override {
    const std::string event = SaveSampleEvent(dir, tp);
    t.SettingsDir = dir.path();
    Spit(dir.file("TALLIVAR.INI"), "[TALLIVAR]\r\n");
    ASSERT_TRUE(OpenShown(t, tp, event));
  }
};

}  // namespace

TEST_F(OutputTarget, NoNameReachesAFileOfTheEventOrTheSettings) {
  const std::string folder = fsys::path(dir.path()).filename().string();
  fsys::create_symlink(dir.file("spring.dat"), dir.file("link.csv"));
  fsys::create_symlink("spring.sch.damaged", dir.file("dangling.csv"));  // a data file not yet written
  fsys::create_hard_link(dir.file("spring.ttl"), dir.file("hard.csv"));
  const std::string targets[] = {
      dir.file("spring.dat"),
      dir.file("./spring.dat"),
      dir.file("../" + folder + "/spring.dat"),
      fsys::relative(dir.file("spring.dat")).string(),
      dir.file("spring.ttl"),
      dir.file("spring.sch"),
      dir.file("spring.ofc"),
      dir.file("spring.bak"),
      dir.file("springlog.log"),
      dir.file("spring.recovery"),
      dir.file("link.csv"),
      dir.file("dangling.csv"),
      dir.file("hard.csv"),
      dir.file("TALLIVAR.INI"),
      dir.file("./TALLIVAR.OLD"),
  };
  const auto before = Slurp(dir.file("spring.dat"));
  for (const std::string& target : targets) {
    SCOPED_TRACE(target);
    try {
      WriteOutputFile(tp.fs, t, target, "Surname,First\r\n");
      ADD_FAILURE() << "written";
    } catch (const IoError& e) {
      EXPECT_NE(std::string(e.what()).find("an output never replaces it"), std::string::npos) << e.what();
    }
  }
  EXPECT_EQ(Slurp(dir.file("spring.dat")), before);
  EXPECT_TRUE(IsLink(dir.file("link.csv")));
  EXPECT_FALSE(fsys::exists(dir.file("spring.sch.damaged")));
  EXPECT_NE(Slurp(dir.file("TALLIVAR.INI")), "Surname,First\r\n");

  // The event's own outputs and other files are written.
  for (const char* name : {"spring.csv", "spring-results.html", "other.dat"}) {
    WriteOutputFile(tp.fs, t, dir.file(name), "x");
    EXPECT_EQ(Slurp(dir.file(name)), "x") << name;
  }
}

TEST_F(OutputTarget, LinksAreWrittenThroughAndStreamsAreNeverReplaced) {
  fsys::create_directory(dir.file("real"));
  Spit(dir.file("real/out.csv"), "old");
  fsys::create_symlink("real/out.csv", dir.file("out.csv"));
  fsys::create_symlink("real/new.csv", dir.file("new.csv"));
  WriteOutputFile(tp.fs, t, dir.file("out.csv"), "a,b\r\n");
  WriteOutputFile(tp.fs, t, dir.file("new.csv"), "c,d\r\n");
  EXPECT_TRUE(IsLink(dir.file("out.csv")));
  EXPECT_TRUE(IsLink(dir.file("new.csv")));
  EXPECT_EQ(Slurp(dir.file("real/out.csv")), "a,b\r\n");
  EXPECT_EQ(Slurp(dir.file("real/new.csv")), "c,d\r\n");

  // A FIFO with a reader gets the bytes; one without fails at once; neither becomes a file, and the
  // event's own writes never stream.
  const std::string fifo = dir.file("pipe.csv");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_THROW(WriteOutputFile(tp.fs, t, fifo, "nobody\r\n"), IoError);
  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  WriteOutputFile(tp.fs, t, fifo, "a,b\r\n");
  char got[16] = {};
  EXPECT_EQ(::read(reader, got, sizeof got), 5);
  EXPECT_STREQ(got, "a,b\r\n");
  EXPECT_THROW(WriteFileSafely(tp.fs, fifo, "event bytes"), IoError);
  ::close(reader);
  EXPECT_TRUE(IsFifo(fifo));
  EXPECT_FALSE(fsys::exists(TempNameFor(fifo)));

  fsys::create_symlink("/dev/null", dir.file("null.csv"));
  WriteOutputFile(tp.fs, t, dir.file("null.csv"), "gone");
  EXPECT_TRUE(IsLink(dir.file("null.csv")));
  EXPECT_TRUE(fsys::is_character_file("/dev/null"));
}

TEST_F(OutputTarget, SavingALinkedEventUpdatesTheFileTheLinkPointsTo) {
  fsys::create_directory(dir.file("club"));
  fsys::rename(dir.file("spring.dat"), dir.file("club/spring.dat"));
  fsys::create_symlink("club/spring.dat", dir.file("spring.dat"));
  ASSERT_TRUE(OpenShown(t, tp, dir.file("spring.dat")));
  AddSkier(t, tp, "NEWCOMER", "Nia", 0);
  ASSERT_TRUE(SaveShown(t, tp));
  EXPECT_TRUE(IsLink(dir.file("spring.dat")));
  EXPECT_NE(Slurp(dir.file("club/spring.dat"))->find("NEWCOMER"), std::string::npos);
}

TEST(PdfCheck, OnlyAWholeFileCounts) {
  // A small PDF whose trailer points at its table, with the table's first line as given.
  auto pdf = [](const std::string& table, std::size_t dropAt = 0, std::size_t dropped = 0) {
    std::string body = "%PDF-1.4\n1 0 obj\n<< /Type /Catalog >>\nendobj\n";
    const std::size_t at = body.size();
    body += table + "\n0000000000 65535 f \n0000000009 00000 n \ntrailer\n<< /Size 2 /Root 1 0 R >>\n";
    body += "startxref\n" + std::to_string(at) + "\n%%EOF\n";
    return body.erase(dropAt, dropped);
  };
  const std::string whole = pdf("xref\n0 2");
  const struct {
    std::string bytes;
    bool complete;
  } cases[] = {
      {whole, true},
      {whole.substr(0, whole.size() - 1), true},  // the last line break is not needed
      {pdf("2 0 obj\n<< /Type /XRef >>"), true},  // a cross-reference stream
      {"", false},
      {whole.substr(0, whole.size() - 4), false},  // cut short: no end mark
      {whole.substr(0, whole.size() / 2), false},
      {pdf("xref\n0 2", 20, 6), false},  // a block lost: the table is not where the trailer says
      {pdf("2 0 R\n"), false},
      {"%PDF-1.4\nstartxref\n999\n%%EOF\n", false},
      {"GIF89a" + whole.substr(5), false},
  };
  for (const auto& c : cases) EXPECT_EQ(PdfIsComplete(c.bytes), c.complete) << c.bytes;
}
