// velmora-calc parts roughness, parts zeta and the dumps: the windows' values as JSON and CSV,
// damaged files named on standard error, and the exit statuses.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "PartsDatabases.h"
#include "TestTexts.h"

namespace velmora::cli {
namespace {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome Parts(std::vector<const char*> arguments, text::Edition edition = 'D') {
  Outcome run{0, {}, {}};
  run.status =
      RunPartsDatabases(arguments, testing_support::Texts(edition), VELMORA_TEST_PROGRAM_DIR, run.out, run.err);
  return run;
}

TEST(PartsRoughness, OneEntryAsBothWindowsTakeItOver) {
  const Outcome rough = Parts({"roughness", "--entry", "42"});
  EXPECT_EQ(rough.status, 0);
  EXPECT_EQ(rough.out,
            "{\"entry\":42,\"key\":\"RivetedRough\",\"description\":\"Genietetes Stahlrohr, rauh\",\"value\":\"9,0\","
            "\"mm\":9.0,\"inches\":\"0,3543\"}\n");
  // English entry 26 is 0.03 mm, not the printed 0.3.
  const Outcome mended = Parts({"roughness", "--entry=26"}, 'E');
  EXPECT_NE(mended.out.find("\"value\":\"0.03\",\"mm\":0.03,\"inches\":\"0.0012\""), std::string::npos) << mended.out;
  for (const char* bad : {"0", "43", "1.5", "x", ""}) {
    const Outcome refused = Parts({"roughness", "--entry", bad});
    EXPECT_EQ(refused.status, 2) << bad;
    EXPECT_TRUE(refused.out.empty());
  }
  EXPECT_EQ(Parts({"roughness", "--entry", "1", "--entry", "2"}).status, 2);
  EXPECT_EQ(Parts({"roughness", "--us"}).status, 2);
}

TEST(PartsRoughness, DumpHasAHeadingAndDecimalPoints) {
  const Outcome dump = Parts({"dump", "--kind", "roughness"}, 'F');
  EXPECT_EQ(dump.status, 0);
  EXPECT_EQ(dump.out.rfind("entry,key,description,roughness_mm\n1,SteelHotWater,", 0), 0u) << dump.out;
  EXPECT_NE(dump.out.find("\n39,RivetedRough,\"Tube en acier riveté, rugueux\",9.0\n"), std::string::npos);
  EXPECT_EQ(std::count(dump.out.begin(), dump.out.end(), '\n'), 43);
}

class PartsZeta : public ::testing::Test {
 protected:
  void Write(const char* name, const QByteArray& content) {
    QFile file(folder.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
  }
  std::string Folder() const { return folder.path().toStdString(); }
  QTemporaryDir folder;
};

TEST_F(PartsZeta, ManufacturerFittingAndSize) {
  Write("Hersteller.ZTA", "Ventil A\t15\t4,5\t20\t4,1\t\r\nVentil B\t25\t3,9\t32\r\n");
  const std::string dir = Folder();
  const Outcome list = Parts({"zeta", "--folder", dir.c_str()});
  EXPECT_EQ(list.out, "{\"manufacturers\":[\"Hersteller\"]}\n");

  const Outcome file = Parts({"zeta", "--folder", dir.c_str(), "--manufacturer", "Hersteller"});
  EXPECT_EQ(file.status, 0);
  EXPECT_EQ(file.out,
            "{\"manufacturer\":\"Hersteller\",\"fittings\":[{\"designation\":\"Ventil A\",\"sizes\":["
            "{\"dn\":\"15\",\"zeta\":\"4,5\",\"value\":4.5},{\"dn\":\"20\",\"zeta\":\"4,1\",\"value\":4.1}]},"
            "{\"designation\":\"Ventil B\",\"sizes\":[{\"dn\":\"25\",\"zeta\":\"3,9\",\"value\":3.9}]}]}\n");
  EXPECT_NE(file.err.find("Zeile 2 (Ventil B): Zeta-Wert fehlt bei DN 32; gelesen bis DN 25"), std::string::npos)
      << file.err;

  const Outcome size = Parts(
      {"zeta", "--folder", dir.c_str(), "--manufacturer", "Hersteller", "--designation", "Ventil A", "--dn", "20"},
      'E');
  EXPECT_EQ(
      size.out,
      "{\"manufacturer\":\"Hersteller\",\"designation\":\"Ventil A\",\"dn\":\"20\",\"zeta\":\"4.1\",\"value\":4.1,"
      "\"description\":\"Hersteller Ventil A\"}\n");
  EXPECT_EQ(Parts({"zeta", "--folder", dir.c_str(), "--manufacturer", "Hersteller", "--designation", "Ventil A", "--dn",
                   "25"})
                .status,
            1);
  EXPECT_EQ(Parts({"zeta", "--folder", dir.c_str(), "--manufacturer", "Andere"}).status, 1);
  EXPECT_EQ(Parts({"zeta", "--dn", "20"}).status, 2);
}

TEST_F(PartsZeta, DumpWritesTheSoundFilesAndNamesTheOthers) {
  Write("A.ZTA", "Ventil, \"gerade\"\t15\t4,5\r\n");
  Write("B.ZTA", "Ventil\t15\t\r\n");
  const std::string dir = Folder();
  const Outcome dump = Parts({"dump", "--kind=zeta", "--folder", dir.c_str()});
  EXPECT_EQ(dump.status, 1);
  EXPECT_EQ(dump.out, "manufacturer,designation,dn,zeta\nA,\"Ventil, \"\"gerade\"\"\",15,4.5\n");
  EXPECT_EQ(dump.err.rfind("Fehler beim Lesen der Zeta-Werte-Datei:\nB.ZTA\n", 0), 0u) << dump.err;

  QTemporaryDir empty;
  const std::string none = empty.path().toStdString();
  const Outcome nothing = Parts({"dump", "--kind", "zeta", "--folder", none.c_str()});
  EXPECT_EQ(nothing.status, 1);
  EXPECT_EQ(nothing.err, "Fehler beim Lesen der Zeta-Werte-Datei:\n*.ZTA\n");
  EXPECT_EQ(Parts({"dump", "--kind", "bends"}).status, 2);
}

// The program itself: its command line reaches the databases in the program folder.
TEST(PartsCommandLine, ProgramDumpsTheGenericValveFiles) {
  FILE* pipe = ::popen("'" VELMORA_CALC_PATH "' parts dump --kind zeta 2>/dev/null", "r");
  ASSERT_NE(pipe, nullptr);
  std::string out;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  const int status = ::pclose(pipe);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_NE(out.find("\nGeneric globe valves,\"Globe valve, standard pattern, full seat (Crane 340 fT)\",50,6.41\n"),
            std::string::npos);
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1 + 95 + 42 + 95);
}

}  // namespace
}  // namespace velmora::cli
