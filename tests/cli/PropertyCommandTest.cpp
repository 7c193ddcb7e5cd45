#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct Outcome {
  std::string out;
  int status;
  std::string err;
};

// Runs `velmora-calc property` with `arguments` (shell words, input redirections allowed).
Outcome Property(const std::string& arguments) {
  const std::string errPath = ::testing::TempDir() + "velmora_property_test_stderr.txt";
  const std::string command = "'" VELMORA_CALC_PATH "' property " + arguments + " 2>'" + errPath + "'";
  FILE* pipe = ::popen(command.c_str(), "r");
  Outcome run{{}, -1, {}};
  if (pipe == nullptr) return run;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
  const int status = ::pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ostringstream err;
  err << std::ifstream(errPath).rdbuf();
  run.err = err.str();
  std::remove(errPath.c_str());
  return run;
}

TEST(PropertyCommand, WaterWithItsRegionAndState) {
  const Outcome r = Property("water P=1.013 T=20");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "{\"region\":1,\"state\":\"flüssig\",\"density\":998.206081032297222,"
            "\"specific_volume\":0.00100179714289643236,\"dynamic_viscosity\":1001.60533637927599}\n");
}

TEST(PropertyCommand, RefusedStateExitsWithOneAndTheMessage) {
  const Outcome r = Property("water P=500 T=850 id=hot");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out,
            "{\"id\":\"hot\",\"refused\":\"Der Zustand liegt außerhalb des Gültigkeitsbereichs der Berechnung.\"}\n");
  EXPECT_EQ(r.err, "Der Zustand liegt außerhalb des Gültigkeitsbereichs der Berechnung.\n");
  const Outcome cold = Property("air P=1 T=-273.15");
  EXPECT_EQ(cold.status, 1);
  EXPECT_EQ(cold.err, "Die Temperatur muss zwischen 60 K und 2000 K liegen.\n");
}

TEST(PropertyCommand, EachProperty) {
  const Outcome saturation = Property("saturation T=100");
  EXPECT_EQ(saturation.status, 0);
  EXPECT_EQ(saturation.out.rfind("{\"pressure\":1.0141797792131", 0), 0u) << saturation.out;
  EXPECT_NE(saturation.out.find("\"temperature\":100,\"liquid\":{\"density\":958.35"), std::string::npos);
  const Outcome solid = Property("air P=5000 T=-203.15");
  EXPECT_EQ(solid.out, "{\"state\":\"fest\",\"density\":null,\"specific_volume\":null,\"dynamic_viscosity\":null}\n");
  const Outcome humid = Property("humid-air P=1 T=150 RH=10");
  EXPECT_EQ(humid.status, 0);
  EXPECT_NE(humid.out.find("\"x_s\":null,\"degree_of_saturation\":null"), std::string::npos) << humid.out;
  const Outcome byX = Property("humid-air P=1.013 T=20 X=7.3");
  EXPECT_NE(byX.out.find("\"x\":7.3,"), std::string::npos) << byX.out;
  const Outcome air = Property("air-saturation T=-193.15");
  EXPECT_EQ(air.out.rfind("{\"pressure\":{\"bubble\":1.146", 0), 0u) << air.out;
}

TEST(PropertyCommand, UnusableArgumentsExitWithTwo) {
  EXPECT_EQ(Property("water P=1").out, "{\"error\":\"missing T\"}\n");
  EXPECT_EQ(Property("water P=1").status, 2);
  EXPECT_EQ(Property("saturation T=100 P=1").status, 2);
  EXPECT_EQ(Property("humid-air P=1 T=20").status, 2);
  EXPECT_EQ(Property("steam P=1 T=20").status, 2);
  EXPECT_EQ(Property("water P=1 T=warm").out, "{\"error\":\"T: not a number\"}\n");
  EXPECT_EQ(Property("").status, 2);
  EXPECT_EQ(Property("--batch extra </dev/null").status, 2);
  EXPECT_EQ(Property("--help").status, 0);
}

TEST(PropertyCommand, BatchAnswersEveryLineWithItsId) {
  const std::string input = ::testing::TempDir() + "velmora_property_batch.jsonl";
  std::ofstream(input) << R"({"id":1,"property":"water","P":1.013,"T":20})"
                       << "\n"
                       << R"({"id":"s","property":"saturation","P":0.005})"
                       << "\n"
                       << "not json\n"
                       << R"({"id":3,"property":"air","P":1,"T":20,"RH":5})"
                       << "\n"
                       << R"({"id":4,"property":"humid-air","P":1.013,"T":20,"RH":50})";  // no newline
  const Outcome r = Property("--batch <'" + input + "'");
  std::remove(input.c_str());
  EXPECT_EQ(r.status, 0);
  std::istringstream lines(r.out);
  std::string line;
  std::getline(lines, line);
  EXPECT_EQ(line.rfind("{\"id\":1,\"region\":1,", 0), 0u) << line;
  std::getline(lines, line);
  EXPECT_EQ(line, "{\"id\":\"s\",\"refused\":\"Der Wert liegt außerhalb des Gültigkeitsbereichs der Berechnung.\"}");
  std::getline(lines, line);
  EXPECT_EQ(line.rfind("{\"error\":", 0), 0u) << line;
  std::getline(lines, line);
  EXPECT_EQ(line, "{\"id\":3,\"error\":\"RH: not a value of this property\"}");
  std::getline(lines, line);
  EXPECT_EQ(line.rfind("{\"id\":4,\"state\":\"gasförmig\",", 0), 0u) << line;
  EXPECT_FALSE(std::getline(lines, line));
}

// The databases: a tabulated temperature, one between (interpolated), a liquid gas state, refusals
// and names the tables do not hold.
TEST(PropertyCommand, GasLiquidAndVapourPressure) {
  EXPECT_EQ(Property("gas nitrogen P=1.013 T=35 id=7").out,  // 20 … 50 °C: (17.57 + 18.94)/2
            "{\"id\":7,\"density\":1.10755853453941226,\"dynamic_viscosity\":18.255,"
            "\"boiling_point\":-195.802291325681873,\"state\":\"gasförmig\"}\n");
  EXPECT_EQ(
      Property("gas Propane P=5 T=-25").out,
      "{\"density\":null,\"dynamic_viscosity\":null,\"boiling_point\":2.45397200916403599,\"state\":\"flüssig\"}\n");
  EXPECT_EQ(Property("gas 'Carbon dioxide' P=100 T=20").out,  // above pc: no boiling point
            "{\"density\":null,\"dynamic_viscosity\":null,\"boiling_point\":null,\"state\":\"flüssig\"}\n");
  const Outcome hot = Property("gas Nitrogen P=1 T=601");
  EXPECT_EQ(hot.status, 1);
  EXPECT_EQ(hot.err, "Die Eingabe liegt außerhalb des Gültigkeitsbereichs.\n");
  EXPECT_EQ(Property("gas Nitrogen P=0.05 T=20").status, 1);
  EXPECT_EQ(Property("liquid Water T=15").out, "{\"density\":998.95,\"dynamic_viscosity\":1154}\n");
  EXPECT_EQ(Property("liquid Water T=10").out, "{\"density\":999.7,\"dynamic_viscosity\":1306}\n");
  EXPECT_EQ(Property("liquid Water T=5").status, 1);
  // 100 °C is 373.15 K: 1.0128 bar.
  EXPECT_EQ(Property("vapour-pressure Water T=100").out.rfind("{\"vapour_pressure\":1.01284551", 0), 0u);
  EXPECT_EQ(Property("vapour-pressure Water T=1").status, 1);  // below T_min − 273 = 2 °C
  const Outcome unknown = Property("gas Steam P=1 T=20");
  EXPECT_EQ(unknown.status, 2);
  EXPECT_EQ(unknown.out, "{\"error\":\"unknown gas \\\"Steam\\\" (velmora-calc list)\"}\n");
  EXPECT_EQ(Property("gas P=1 T=20").out, "{\"error\":\"missing name\"}\n");
  EXPECT_EQ(Property("liquid Water P=1 T=20").out, "{\"error\":\"P: not a value of this property\"}\n");
  EXPECT_EQ(Property("water Water P=1 T=20").status, 2);
}

TEST(PropertyCommand, DatabaseStatesInTheBatch) {
  const std::string input = ::testing::TempDir() + "velmora_property_databases.jsonl";
  std::ofstream(input) << R"({"id":1,"property":"gas","name":"Nitrogen","P":10,"T":35})"
                       << "\n"
                       << R"({"id":2,"property":"water","name":"Water","P":1,"T":20})"
                       << "\n"
                       << R"({"id":3,"property":"liquid","name":"Water","T":20})"
                       << "\n";
  const Outcome r = Property("--batch <'" + input + "'");
  std::remove(input.c_str());
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "{\"id\":1,\"density\":10.9292531654548763,\"dynamic_viscosity\":18.3457591886548168,"
            "\"boiling_point\":-166.007464634955179,\"state\":\"gasförmig\"}\n"
            "{\"id\":2,\"error\":\"name: not a value of this property\"}\n"
            "{\"id\":3,\"density\":998.2,\"dynamic_viscosity\":1002}\n");
}

// velmora-calc list: the names as the property command takes them.
TEST(ListCommand, NamesOfEachTable) {
  const auto list = [](const std::string& table) {
    const std::string command = "'" VELMORA_CALC_PATH "' list " + table + " 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    Outcome run{{}, -1, {}};
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
  };
  const Outcome gases = list("gases");
  EXPECT_EQ(gases.status, 0);
  EXPECT_EQ(gases.out.rfind("Air\nNitrogen\nOxygen\n", 0), 0u);
  EXPECT_EQ(std::count(gases.out.begin(), gases.out.end(), '\n'), 43);
  const std::string liquids = list("liquids").out;
  EXPECT_EQ(std::count(liquids.begin(), liquids.end(), '\n'), 46);
  EXPECT_EQ(list("vapour-pressure").out.rfind("Water\nMethanol\n", 0), 0u);
  EXPECT_EQ(list("pipes").status, 2);
  const std::string oils = list("oils").out;
  EXPECT_EQ(std::count(oils.begin(), oils.end(), '\n'), 11);
  const std::string solutes = list("aqueous").out;
  EXPECT_EQ(std::count(solutes.begin(), solutes.end(), '\n'), 29);
  const std::string substances = list("substances").out;
  EXPECT_EQ(std::count(substances.begin(), substances.end(), '\n'), 148);
  EXPECT_EQ(list("brines").out.rfind("1\tEthylenglykol / Wasser\n2\tPropylenglykol / Wasser\n", 0), 0u);
}

}  // namespace

// Brines, oils, solutions and estimates with the dialogs' rules and messages; their lists.
TEST(PropertyCommand, BrineOilSolutionAndEstimate) {
  // Ethylene glycol at its mean concentration and temperature: c₀ of each fit.
  EXPECT_EQ(Property("brine N=1 C=38.1615 T=6.3333").out,
            "{\"density\":1056,\"dynamic_viscosity\":4275.92306192805407,\"freezing_point\":-21.96}\n");
  const Outcome salt = Property("brine N=10 C=23.5 T=0");
  EXPECT_EQ(salt.status, 1);
  EXPECT_EQ(salt.err, "Die Konzentration liegt außerhalb des Bereichs dieser Kühlsole.\n");
  EXPECT_EQ(Property("brine N=11 C=10 T=0").out, "{\"error\":\"N: a brine 1 ... 10 (velmora-calc list brines)\"}\n");
  EXPECT_EQ(Property("brine N=1 T=0").out, "{\"error\":\"missing C\"}\n");
  // 150.4 °C is calculated at 150 °C.
  EXPECT_EQ(Property("oil 'Diphenyl/diphenyl-oxide eutectic' T=150.4").out.rfind("{\"temperature\":150,", 0), 0u);
  EXPECT_EQ(Property("oil 'Diphenyl/diphenyl-oxide eutectic' T=300.6").status, 1);
  EXPECT_EQ(Property("aqueous 'Sodium chloride=5,Sodium chloride=5' T=20").out,
            Property("aqueous 'Sodium chloride=10' T=20").out);
  EXPECT_EQ(Property("aqueous 'Sodium chloride=60,Potassium chloride=40' T=20").err,
            "Die Konzentrationen der Mischung müssen zusammen unter 100 Massen-% liegen.\n");
  EXPECT_EQ(Property("aqueous Salt=10 T=20").out, "{\"error\":\"unknown solute \\\"Salt\\\" (velmora-calc list)\"}\n");
  const Outcome benzene = Property("estimate Benzene P=1 T=25 id=b");
  EXPECT_EQ(benzene.out.rfind("{\"id\":\"b\",\"state\":\"flüssig\",\"density\":872.5", 0), 0u) << benzene.out;
  EXPECT_NE(benzene.out.find("\"viscosity_method\":\"correlation\""), std::string::npos);
  // Names may hold commas; a mixture that never boils below its pseudo-critical temperature.
  EXPECT_EQ(Property("estimate '1,1,1,2-Tetrafluoroethane=50,Propane=50' P=1 T=20").status, 0);
  const Outcome hydrogen = Property("estimate Hydrogen=99,Methane=1 P=900 T=20");
  EXPECT_EQ(hydrogen.status, 0);
  EXPECT_NE(hydrogen.out.find("\"boiling_point\":null"), std::string::npos) << hydrogen.out;
  EXPECT_EQ(Property("estimate 'Benzene=60,Toluene=39.9' P=1 T=25").err,
            "Die Anteile der Mischung müssen zusammen 100 % ergeben.\n");
}

TEST(PropertyCommand, BatchAndListsOfTheNewTables) {
  const std::string input = ::testing::TempDir() + "velmora_property_media.jsonl";
  std::ofstream(input) << R"({"id":1,"property":"brine","N":1,"C":38.1615,"T":6.3333})"
                       << "\n"
                       << R"({"id":2,"property":"aqueous","name":"Sodium chloride=10","T":20})"
                       << "\n";
  const Outcome r = Property("--batch <'" + input + "'");
  std::remove(input.c_str());
  EXPECT_EQ(r.out.rfind("{\"id\":1,\"density\":1056,", 0), 0u) << r.out;
  EXPECT_NE(r.out.find("\n{\"id\":2,\"density\":1070.6"), std::string::npos) << r.out;
  FILE* pipe = ::popen("'" VELMORA_CALC_PATH "' list brines", "r");
  char line[200] = {};
  ASSERT_NE(std::fgets(line, sizeof line, pipe), nullptr);
  EXPECT_STREQ(line, "1\tEthylenglykol / Wasser\n");
  ::pclose(pipe);
}

// The user-defined media as stored, from the user's data folder.
TEST(PropertyCommand, UserMedium) {
  const std::string data = ::testing::TempDir() + "velmora_user_data";
  std::filesystem::create_directories(data + "/velmora");
  std::string record(1537, '\0');
  record[0] = 3;
  record.replace(1, 3, "\xD6l1");  // "Öl1" in Windows-1252
  record[256] = 1;
  record[769] = 3;
  record.replace(770, 3, "870");
  std::ofstream(data + "/velmora/USER.DAT", std::ios::binary) << record;
  ::setenv("XDG_DATA_HOME", data.c_str(), 1);
  EXPECT_EQ(Property("user ÖL1").out,  // ASCII letters without case
            "{\"state\":\"flüssig\",\"density\":\"870\",\"dynamic_viscosity\":\"\",\"temperature\":\"\","
            "\"pressure\":\"\",\"remarks\":\"\"}\n");
  EXPECT_EQ(Property("user Wasser").status, 2);
  std::filesystem::remove_all(data);
  EXPECT_EQ(Property("user Öl1").status, 1);  // no file: refused with the file-missing text
  ::unsetenv("XDG_DATA_HOME");
}
