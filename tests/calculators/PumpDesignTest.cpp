// The pump quick design: a plant checked by hand, the rules of its dialog with their messages, the
// result rows in metric and US units, and the *.psa data file in every edition.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "TestTexts.h"
#include "calculators/PumpDesignFile.h"
#include "text/GlobalTexts.h"

namespace velmora::calculators {
namespace {

const text::TextStore& Texts(text::Edition e) { return testing_support::Texts(e); }

// Water at 20 °C, 30 m³/h from an open tank 2 m above the pump (5 m of DN 100 with a gate valve)
// into a vessel at 3 bar 20 m above it (50 m of 80 mm with a swing check valve, a globe valve and
// two further elements of ζ 0.5).
PumpDesignForm Plant() {
  PumpDesignForm f = PumpDesignForm::Defaults('D');
  f.pump = "P1";
  f.medium = "Wasser";
  f.flow = "30";
  f.density = "998,2";
  f.viscosity = "1002";
  f.temperature = "20";
  f.vapourPressure = "0,02339";
  f.suction = {"1,01325", 0, "2", 0, "100", 0, "5", 0, {"0", "0", "0", "0", "1", "0"}, {}};
  f.pressure = {"3", 0, "20", 0, "80", 0, "50", 0, {"0", "1", "0", "0", "0", "1"}, {}};
  f.pressure.elements[0] = {"2", "Filter", "", "0,5"};
  return f;
}

TEST(PumpDesign, PlantCheckedByHand) {
  // Independent figures: λ by Colebrook-White solved to convergence (k = 0.1 mm), ζ of the gate
  // valve 0.1, swing check 1500/Re + 1.5·(1 + 25.4/80), globe 1500/Re + 4·(1 + 25.4/80), the losses
  // ζ·ρv²/2, the head Δp·10.2/ρ·1000 m.
  const PumpDesignOutcome o = CalculatePumpDesignDialog(Plant(), Texts('D'), {false, 3});
  ASSERT_TRUE(o.result) << (o.messages.empty() ? "" : o.messages[0].text);
  EXPECT_TRUE(o.messages.empty());
  const PumpDesignResult& r = *o.result;
  EXPECT_NEAR(r.suction.velocity, 1.06103, 1e-5);
  EXPECT_NEAR(r.suction.lambda, 0.022051, 2e-5);
  EXPECT_NEAR(r.pressure.lambda, 0.022493, 2e-5);
  EXPECT_NEAR(r.suction.pumpPressure, 1.20234, 2e-5);
  // The program's Colebrook constants (0.868588, 0.269) make λ of the long line 0.04 % smaller.
  EXPECT_NEAR(r.pressure.pumpPressure, 5.26475, 1e-4);
  EXPECT_NEAR(r.pressureDifference, 4.06241, 1e-4);
  EXPECT_NEAR(r.head, 41.511, 0.005);    // 41.500 m with g = 9.80665: within 0.03 %
  EXPECT_NEAR(r.npsh, 12.047, 0.002);    // (p_S − p_v)·10.2/ρ·1000, no velocity head added
  EXPECT_NEAR(r.power, 3.3872, 0.0005);  // ρ/1000·Q·H/367
  EXPECT_EQ(o.shown.totals[1][0], "Förderhöhe in m:");
  EXPECT_EQ(o.shown.totals[1][1], "41,511");
  EXPECT_EQ(o.shown.lines[11][0], "-/Filter (2):");
}

TEST(PumpDesign, KnownAnswersOfTheRules) {
  // Open tank, water at 20 °C, no losses, 3 m/s: NPSHa = (1.01325 − 0.02339)·10.2/998.2·1000 =
  // 10.11 m (adding v²/2g on top of the total inlet pressure would give 10.57 m).
  PumpDesignInput open;
  open.flow = 3.0L * 0.0025L * 3.14159265358979L * 3600.0L;  // 3 m/s in 100 mm
  open.density = 998.2L;
  open.viscosity = 1002;
  open.vapourPressure = 0.02339L;
  open.suction = {1.01325L, 0, 0, 100, {}, {}};
  open.pressure = open.suction;
  const PumpDesignResult r = CalculatePumpDesign(open);
  EXPECT_NEAR(r.suction.velocity, 3.0, 1e-9);
  EXPECT_NEAR(r.npsh, 10.1148, 1e-3);
  EXPECT_NEAR(r.head, 0, 1e-12);  // equal sides, no losses
  // Equal vessels and heights, counts 0: the head is the two pipe losses as head.
  PumpDesignInput pipes = open;
  pipes.suction.length = 10;
  pipes.pressure.length = 30;
  const PumpDesignResult p = CalculatePumpDesign(pipes);
  EXPECT_NEAR(p.head, HeadOfPressure(p.suction.pipeLoss + p.pressure.pipeLoss, 998.2L), 1e-12);
  // An element with ζ and pressure loss: the loss counts (2 × 0.3 bar).
  pipes.pressure.elements[0] = {2, 50, 0.3L};
  EXPECT_NEAR(CalculatePumpLine(pipes.pressure, false, pipes).elementLosses[0], 0.6L, 1e-15);
  // Re 2319 is laminar with λ = 64/Re, Re 2320 turbulent (Colebrook).
  PumpDesignInput edge = open;
  edge.viscosity = 1000;
  edge.density = 1000;
  edge.roughness = 0;
  for (const auto& [re, laminar] : {std::pair{2319.0L, true}, {2320.0L, false}}) {
    edge.flow = re * 1e-5L * 0.0025L * 3.14159265358979323846L * 3600.0L;  // v = Re·η/(ρ·d)
    const PumpLineResult line = CalculatePumpLine(edge.suction, true, edge);
    EXPECT_NEAR(line.reynolds, re, 1e-9);
    EXPECT_EQ(line.laminar, laminar);
    if (laminar) EXPECT_NEAR(line.lambda, 64.0L / re, 1e-15);
  }
}

TEST(PumpDesign, RefusalsNotesAndUsOutput) {
  const text::TextStore& t = Texts('D');
  const std::string invalid = t.GlobalText(text::global::kInvalidInput);
  struct Case {
    const char* name;
    void (*change)(PumpDesignForm&);
    const char* refused;
    std::string text;
  };
  const Case cases[] = {
      {"zero flow", [](PumpDesignForm& f) { f.flow = "0"; }, "Edit3", invalid + "\n\"Volumenstrom:\"!"},
      {"empty vapour pressure", [](PumpDesignForm& f) { f.vapourPressure = ""; }, "Edit_Dampfdruck",
       invalid + "\n\"Dampfdruck:\"!"},
      // −14.7 psig is 0 bar absolute: refused after the conversion.
      {"vapour pressure of 0 bar",
       [](PumpDesignForm& f) {
         f.vapourPressure = "-14,7";
         f.vapourPressureUnit = 12;
       },
       "Edit_Dampfdruck", invalid + "\n\"Dampfdruck:\"!"},
      {"suction vessel pressure", [](PumpDesignForm& f) { f.suction.vesselPressure = "a"; }, "Edit_Behaelter_S",
       invalid + "\n\"Behälterdruck p1 (abs.):\"!"},
      {"pressure vessel pressure", [](PumpDesignForm& f) { f.pressure.vesselPressure = "x"; }, "Edit_Behaelter_D",
       invalid + "\n\"Behälterdruck p2 (abs.):\"!"},
      {"diameter 0", [](PumpDesignForm& f) { f.pressure.diameter = "0"; }, "Edit_Durchmesser_D",
       invalid + "\n\"Innendurchmesser:\"!"},
      {"zeta", [](PumpDesignForm& f) { f.pressure.elements[0].zeta = "x"; }, "Edit_Zeta1_D", invalid + " Zeta-Wert 1!"},
      {"roughness when turbulent", [](PumpDesignForm& f) { f.roughness = "a"; }, "Edit2",
       invalid + "\n\"Rohrrauigkeit k:\"!"},
  };
  for (const Case& c : cases) {
    PumpDesignForm f = Plant();
    c.change(f);
    const PumpDesignOutcome o = CalculatePumpDesignDialog(f, t, {});
    EXPECT_EQ(o.refused, c.refused) << c.name;
    ASSERT_EQ(o.messages.size(), 1U) << c.name;
    EXPECT_EQ(o.messages[0].text, c.text) << c.name;
    EXPECT_FALSE(o.result) << c.name;
  }
  // A pressure loss typed in psig is a difference: 2 psig of loss is 0.138 bar.
  PumpDesignForm f = Plant();
  f.pressure.vesselUnit = 12;  // psig: 29.4 psig ≈ 3.04 bar abs
  f.pressure.vesselPressure = "29,4";
  f.pressure.elements[0] = {"1", "Filter", "2", ""};
  PumpDesignOutcome o = CalculatePumpDesignDialog(f, t, {});
  ASSERT_TRUE(o.result);
  EXPECT_NEAR(o.result->pressure.elementLosses[0], 0.137895, 1e-6);
  EXPECT_NEAR(o.result->pressure.vesselPressure, (29.4 + 14.7) * 0.068947581976, 1e-12);
  // A viscous medium in a suction lift: laminar notes, the viscosity note, the inlet warning.
  f = Plant();
  f.viscosity = "200";
  f.viscosityUnit = 3;  // mPa s
  f.suction.height = "-12";
  o = CalculatePumpDesignDialog(f, t, {});
  ASSERT_TRUE(o.result);
  ASSERT_EQ(o.messages.size(), 4U);
  EXPECT_EQ(o.messages[0].text, t.FormText(kPumpDesignBlock, "msgLaminar"));
  EXPECT_EQ(o.messages[2].text, t.FormText(kPumpDesignBlock, "msgHighViscosity"));
  EXPECT_EQ(o.messages[3].icon, text::MessageIcon::Exclamation);
  EXPECT_EQ(o.shown.lines[4][0], "Rohrreibung (k= -):");
  EXPECT_EQ(o.shown.lines[3][1], "1,175");  // a suction lift is shown as a positive loss
  // US output: pressures in psi, heads in ft (10 m is 32.81 ft), power in hp.
  PumpDesignResult ten;
  ten.head = 10;
  ten.pressureDifference = 1;
  ten.power = 1;
  const PumpResultTexts us = PumpResultRows(Plant(), ten, Texts('E'), {true, 2});
  EXPECT_EQ(us.totals[1][0], "Head in ft.:");
  EXPECT_EQ(us.totals[1][1], "32.81");
  EXPECT_EQ(us.totals[0][1], "14.50");
  EXPECT_EQ(us.totals[3][1], "1.34");
  EXPECT_EQ(us.lines[1][0], "Vessel pressure in psi (abs):");
}

std::vector<std::string> EnglishFile() {
  std::vector<std::string> lines = PumpDesignFileLines(Plant(), false);
  lines[6] = "Volume flow:";
  lines[10] = "Abs.viscos.";
  return lines;
}

TEST(PumpDesignFile, RoundTripInEveryEditionAndTheWordsOfOtherEditions) {
  PumpDesignForm f = Plant();
  f.flowKind = 1;
  f.flowUnit = 2;
  f.flow = "8,3";
  f.viscosityKind = 1;
  f.viscosityUnit = 3;       // cSt
  f.suction.vesselUnit = 7;  // "m WS": a unit with a blank
  f.suction.elements[2] = {"1", "Sieb, fein", "0,05", ""};
  for (const text::Edition e : {'D', 'E', 'F', 'H'}) {
    const std::vector<std::string> lines = PumpDesignFileLines(f, e == 'E');
    ASSERT_EQ(lines.size(), kPumpFileLines);
    EXPECT_EQ(lines[0], "PSA 6.2");
    EXPECT_EQ(lines[6], "Massenstrom");
    EXPECT_EQ(lines[10], "Kin.Viskos.");
    EXPECT_EQ(lines[19], "m WS");
    const PumpFileRead read = ReadPumpDesignLines(lines, e);
    ASSERT_TRUE(read.form) << e;
    if (e != 'E') {
      EXPECT_EQ(*read.form, f) << e;
      continue;
    }
    // English numbers have points, names keep their commas; read again in German, all is back.
    EXPECT_EQ(read.form->density, "998.2");
    EXPECT_EQ(read.form->suction.elements[2].name, "Sieb, fein");
    const PumpFileRead german = ReadPumpDesignLines(PumpDesignFileLines(*read.form, true), 'D');
    ASSERT_TRUE(german.form);
    EXPECT_EQ(*german.form, f);
  }
  // Files of the other editions: "Volume flow:" is a volume flow, "Abs.viscos." a dynamic viscosity.
  const PumpFileRead english = ReadPumpDesignLines(EnglishFile(), 'E');
  ASSERT_TRUE(english.form);
  EXPECT_EQ(english.form->flowKind, 0);
  EXPECT_EQ(english.form->viscosityKind, 0);
  EXPECT_EQ(english.form->density, "998.2");
  std::vector<std::string> french = EnglishFile();
  french[6] = "Débit massique :";
  french[10] = "Viscosité dynamique";
  french[7] = "8,3 kg/h";
  const PumpFileRead fr = ReadPumpDesignLines(french, 'F');
  ASSERT_TRUE(fr.form);
  EXPECT_EQ(fr.form->flowKind, 1);
  EXPECT_EQ(fr.form->viscosityKind, 0);
}

TEST(PumpDesignFile, DamagedFilesLoadNothingAndSavingKeepsThePreviousFile) {
  const auto problem = [](std::vector<std::string> lines) { return ReadPumpDesignLines(lines, 'D'); };
  std::vector<std::string> lines = EnglishFile();
  struct Case {
    const char* name;
    std::size_t line;
    std::string text;
    PumpFileProblem problem;
  };
  const Case cases[] = {
      {"header", 1, "PSA 5.0", PumpFileProblem::NotPumpDesign},
      {"flow word", 7, "Durchfluss:", PumpFileProblem::UnexpectedLine},
      {"flow unit", 8, "30 m3/h", PumpFileProblem::UnexpectedLine},
      {"value without unit", 10, "998,2", PumpFileProblem::UnexpectedLine},
      {"viscosity word", 11, "Viskosität", PumpFileProblem::UnexpectedLine},
      {"roughness index", 5, "2", PumpFileProblem::UnexpectedLine},
      {"pressure unit", 46, "kPa", PumpFileProblem::UnexpectedLine},
      {"diameter unit", 50, "cm", PumpFileProblem::UnexpectedLine},
  };
  for (const Case& c : cases) {
    std::vector<std::string> damaged = lines;
    damaged[c.line - 1] = c.text;
    const PumpFileRead read = problem(damaged);
    EXPECT_FALSE(read.form) << c.name;
    EXPECT_EQ(read.problem, c.problem) << c.name;
    if (c.problem == PumpFileProblem::UnexpectedLine) EXPECT_EQ(read.line, c.line) << c.name;
  }
  lines.resize(69);
  EXPECT_EQ(problem(lines).problem, PumpFileProblem::Truncated);
  EXPECT_EQ(problem({}).problem, PumpFileProblem::NotPumpDesign);
  const text::TextStore& t = Texts('D');
  EXPECT_EQ(PumpFileMessage(t, "/x/a.psa", {{}, PumpFileProblem::UnexpectedLine, 45}).text,
            "Die Datei a.psa enthält in Zeile 45 einen unerwarteten Eintrag (ein unbekanntes Wort oder eine unbekannte "
            "Einheit; die Datei ist beschädigt oder stammt aus einer anderen Ausgabe). Es wurde nichts geladen.");

  // On disk: written, read back, and a write-protected file is refused and stays as it was.
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "velmora_psa_test";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const std::filesystem::path file = folder / "plant.psa";
  ASSERT_FALSE(SavePumpDesign(file, Plant(), false, t));
  const PumpFileRead back = LoadPumpDesign(file, 'D');
  ASSERT_TRUE(back.form);
  EXPECT_EQ(*back.form, Plant());
  const auto size = std::filesystem::file_size(file);
  std::filesystem::permissions(file, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
  PumpDesignForm other = Plant();
  other.pump = "P2";
  const std::optional<text::Message> refused = SavePumpDesign(file, other, false, t);
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->icon, text::MessageIcon::Exclamation);
  EXPECT_EQ(std::filesystem::file_size(file), size);
  EXPECT_EQ(LoadPumpDesign(file, 'D').form->pump, "P1");
  EXPECT_TRUE(SavePumpDesign(folder / "missing" / "x.psa", other, false, t));
  EXPECT_EQ(LoadPumpDesign(folder / "none.psa", 'D').problem, PumpFileProblem::CannotOpen);
  std::filesystem::permissions(file, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace velmora::calculators
