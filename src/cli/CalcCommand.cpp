#include "CalcCommand.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "Batch.h"
#include "CalcCalculators.h"
#include "JsonWriter.h"
#include "calculators/ChannelDialogs.h"
#include "calculators/OrificeDesignDialog.h"
#include "calculators/OutflowDialogs.h"
#include "calculators/StricklerTable.h"

namespace velmora::cli {
namespace {

using namespace velmora::calculators;

constexpr int kRefused = 1;
constexpr int kUsageError = 2;

// A choice given as a whole number; −1 (no such item) for anything else.
int Choice(const CalcRequest& r, std::string_view key, int fallback = 0) {
  if (!r.Has(key)) return fallback;
  const std::string text = r.Input(key);
  if (text.size() != 1 || text[0] < '0' || text[0] > '9') return -1;
  return text[0] - '0';
}

// A number of a result: null when it is not finite.
void Value(JsonWriter& json, std::string_view key, long double value) {
  json.NumberOrNull(key, std::isfinite(value) ? std::optional(value) : std::nullopt);
}

SlopeForm Slope(const CalcRequest& r) {
  const int given = Choice(r, "slope_given");
  if (given == 1) return {1, r.Input("alpha"), {}, {}};
  if (given == 2) return {2, r.Input("percent"), {}, {}};
  return {0, r.Input("z1"), r.Input("z2"), r.Input("L")};
}

const Outcome& OrificeDesign(const CalcRequest& r, const text::TextStore& t, const Display& d, JsonWriter& json,
                             OrificeDesignOutcome& o) {
  OrificeDesignForm form;
  form.kind = Choice(r, "kind");
  form.flow = r.Input("flow");
  form.density = r.Input("density");
  form.viscosity = r.Input("viscosity");
  form.pipeDiameter = r.Input("D1");
  form.edge = r.Input("edge");
  form.pressureLoss = r.Input("dp");
  o = CalculateOrificeDesignDialog(form, t, d);
  if (!o.design) return o;
  Value(json, "pipe_velocity", o.design->pipeVelocity);
  Value(json, "pipe_reynolds", o.design->pipeReynolds);
  Value(json, "target_zeta", o.design->targetZeta);
  json.Bool("no_orifice_needed", o.design->status == OrificeDesignStatus::NoOrificeNeeded);
  if (o.design->status != OrificeDesignStatus::Bore) return o;
  Value(json, "bore", o.design->bore);
  json.Number("steps", o.design->steps);
  json.Bool("converged", o.design->converged);
  if (form.kind == 2) {
    Value(json, "bore_velocity", o.design->boreVelocity);
    Value(json, "bore_reynolds", o.design->boreReynolds);
  }
  json.String("result", o.result);
  return o;
}

const Outcome& OutflowAnswer(const CalcRequest& r, const text::TextStore& t, const Display& d, JsonWriter& json,
                             OutflowOutcome& o) {
  OutflowForm form;
  form.large = Choice(r, "large") == 1;
  form.bottom = Choice(r, "bottom") == 1;
  form.overpressure = Choice(r, "overpressure") == 1;
  if (form.Case() == 5) {
    form.edit1 = r.Input("H1");
    form.edit2 = r.Input("H2");
    form.edit3 = r.Input("b");
  } else {
    form.edit1 = r.Input("A");
    form.edit2 = r.Input("H");
    form.edit3 = r.Input("pi");
    form.edit7 = r.Input("rho");
  }
  form.edit8 = r.Input("mu");
  o = CalculateOutflowDialog(form, t, d);
  json.Number("case", form.Case());
  if (!o.result) return o;
  Value(json, "flow", o.result->flow);
  Value(json, "velocity", o.result->velocity);
  Value(json, "area", o.result->area);
  json.String("flow_text", o.flow);
  json.String("velocity_text", o.velocity);
  return o;
}

void Coefficient(const CoefficientOutcome& o, JsonWriter& json) {
  if (!o.mu) return;
  Value(json, "mu", *o.mu);
  json.String("shown", o.shown);
  json.String("take_over", o.takeOver);
}

const Outcome& SmallOpening(const CalcRequest& r, const text::TextStore& t, JsonWriter& json, CoefficientOutcome& o) {
  const int kind = Choice(r, "kind");
  SmallOpeningForm form{kind, kind == 2 ? r.Input("angle") : r.Input("D"), r.Input("d"), 0};
  o = CalculateSmallOpeningDialog(form, t);
  Coefficient(o, json);
  return o;
}

const Outcome& LargeOpening(const CalcRequest& r, const text::TextStore& t, JsonWriter& json, CoefficientOutcome& o) {
  const int opening = Choice(r, "opening");
  LargeOpeningForm form{opening, Choice(r, "edge"), opening == 1 ? r.Input("D") : r.Input("h"),
                        opening == 1 ? r.Input("d") : r.Input("b"), 0};
  o = CalculateLargeOpeningDialog(form, t);
  Coefficient(o, json);
  return o;
}

const Outcome& Draining(const CalcRequest& r, const text::TextStore& t, JsonWriter& json, DrainingTimeOutcome& o) {
  const int shape = Choice(r, "shape");
  o = CalculateDrainingTimeDialog(
      {shape, r.Input("D"), r.Input("d"), shape == 1 ? r.Input("L") : r.Input("H"), r.Input("mu"), 0}, t);
  if (!o.seconds) return o;
  Value(json, "seconds", *o.seconds);
  json.String("shown", o.shown);
  return o;
}

const Outcome& OpenChannel(const CalcRequest& r, const text::TextStore& t, const Display& d, JsonWriter& json,
                           OpenChannelOutcome& o) {
  OpenChannelForm form;
  form.shape = Choice(r, "shape");
  switch (form.shape) {
    case 0: form = {0, r.Input("B"), r.Input("H"), {}, 0, {}, {}}; break;
    case 1: form = {1, r.Input("B"), r.Input("H"), r.Input("beta"), 0, {}, {}}; break;
    case 2: form = {2, r.Input("R"), {}, {}, 0, {}, {}}; break;
    case 3: form = {3, r.Input("H"), r.Input("beta"), {}, 0, {}, {}}; break;
    case 4: form = {4, r.Input("U"), r.Input("A"), {}, 0, {}, {}}; break;
    default: break;
  }
  form.slope = Slope(r);
  form.strickler = r.Input("kSt");
  o = CalculateOpenChannelDialog(form, t, d);
  if (!o.flow) return o;
  Value(json, "slope", o.slope);
  Value(json, "hydraulic_radius", o.flow->hydraulicRadius);
  Value(json, "velocity", o.flow->velocity);
  Value(json, "flow", o.flow->flow);
  json.String("velocity_text", o.velocity);
  json.String("flow_text", o.flowText);
  return o;
}

const Outcome& ChannelDesignAnswer(const CalcRequest& r, const text::TextStore& t, const Display& d, JsonWriter& json,
                                   ChannelDesignOutcome& o) {
  ChannelDesignForm form;
  form.flow = r.Input("Q");
  form.slope = Slope(r);
  form.strickler = r.Input("kSt");
  form.shape = Choice(r, "shape");
  form.angle = r.Has("beta") ? r.Input("beta") : "60";
  o = CalculateChannelDesignDialog(form, t, d);
  if (!o.design) return o;
  Value(json, "slope", o.slope);
  Value(json, "velocity", o.design->velocity);
  Value(json, "area", o.design->area);
  // B of rectangle and trapezoid, R of the semicircle, H of the triangle; H of the first two.
  Value(json, form.shape == 2 ? "R" : form.shape == 3 ? "H" : "B", o.design->first);
  if (form.shape == 0 || form.shape == 1) Value(json, "H", o.design->depth);
  json.String("velocity_text", o.velocity);
  json.String("first_text", o.first);
  json.String("second_text", o.second);
  return o;
}

// The Strickler database has no refusals: an unknown kind or condition is an error of the request.
bool Strickler(const CalcRequest& r, const text::TextStore& t, JsonWriter& json, std::string& error) {
  const int kind = std::atoi(r.Input("kind").c_str());
  const int condition = std::atoi(r.Input("condition").c_str());
  const auto coefficients = StricklerCoefficients(kind);
  if (coefficients.empty() || condition < 1 || static_cast<std::size_t>(condition) > coefficients.size()) {
    error = "no such kind and condition";
    return false;
  }
  const std::string_view shown = coefficients[static_cast<std::size_t>(condition - 1)];
  json.String("kind_name", StricklerKindNames(t)[static_cast<std::size_t>(kind - 1)]);
  json.String("condition_name", StricklerConditionNames(t, kind)[static_cast<std::size_t>(condition - 1)]);
  json.String("shown", shown);
  json.String("take_over", StricklerTakeOver(shown));
  return true;
}

}  // namespace

bool AnswerCalc(const CalcRequest& request, const TextsOf& textsOf, std::string& out, std::string& refused) {
  refused.clear();
  JsonWriter json(out);
  json.Id(request.id);
  const text::TextStore* texts = request.Failed() ? nullptr : textsOf(request.edition);
  std::string error = request.error;
  if (error.empty() && texts == nullptr) error = "the language texts cannot be read";
  if (!error.empty()) {
    json.String("error", error);
    json.Close();
    out += '\n';
    return true;
  }
  json.String("calculator", request.calculator->name);
  // The members of the answer are written apart: an unusable request keeps only its error.
  std::string members;
  JsonWriter answer(members);
  const Display display{request.us, request.decimals};
  const Outcome* outcome = nullptr;
  OrificeDesignOutcome orifice;
  OutflowOutcome outflow;
  CoefficientOutcome coefficient;
  DrainingTimeOutcome draining;
  OpenChannelOutcome channel;
  ChannelDesignOutcome design;
  const std::string_view name = request.calculator->name;
  if (name == "orifice-design") outcome = &OrificeDesign(request, *texts, display, answer, orifice);
  if (name == "outflow") outcome = &OutflowAnswer(request, *texts, display, answer, outflow);
  if (name == "small-opening-mu") outcome = &SmallOpening(request, *texts, answer, coefficient);
  if (name == "large-opening-mu") outcome = &LargeOpening(request, *texts, answer, coefficient);
  if (name == "draining-time") outcome = &Draining(request, *texts, answer, draining);
  if (name == "open-channel") outcome = &OpenChannel(request, *texts, display, answer, channel);
  if (name == "channel-design") outcome = &ChannelDesignAnswer(request, *texts, display, answer, design);
  CalculatorsII second;
  if (IsCalculatorII(name)) outcome = AnswerCalculatorII(request, *texts, display, answer, second, error);
  if (!error.empty() || (name == "strickler" && !Strickler(request, *texts, answer, error))) {
    json.String("error", error);
    json.Close();
    out += '\n';
    return true;
  }
  if (members.size() > 1) {
    out += ',';
    out.append(members, 1);
  }
  if (outcome != nullptr) {
    std::vector<std::string> messages;
    std::vector<std::string> warnings;
    for (const text::Message& message : outcome->messages) {
      messages.push_back(message.text);
      if (message.icon == text::MessageIcon::Information && message.text != outcome->failure)
        warnings.push_back(message.text);
    }
    if (!outcome->refused.empty()) {
      json.String("refused", outcome->refused);
      for (const std::string& message : messages) refused += (refused.empty() ? "" : "\n\n") + message;
    } else {
      json.Null("refused");
    }
    if (outcome->failure.empty()) {
      json.Null("failure");
    } else {
      json.String("failure", outcome->failure);
    }
    json.Strings("warnings", outcome->refused.empty() ? warnings : std::vector<std::string>{});
    json.Strings("messages", messages);
  }
  json.Close();
  out += '\n';
  return outcome == nullptr || outcome->refused.empty();
}

int RunCalcCommand(std::span<const char* const> arguments, const TextsOf& texts, text::Edition edition) {
  if (!arguments.empty() && std::string_view(arguments.front()) == "--help") {
    const std::string help = CalcHelpText();
    std::fputs(help.c_str(), stdout);
    return 0;
  }
  if (!arguments.empty() && std::string_view(arguments.front()) == "--batch") {
    if (arguments.size() > 1) {
      std::fprintf(stderr, "velmora-calc: calc --batch takes no arguments; it reads JSON lines\n");
      return kUsageError;
    }
    auto object = std::make_unique<FlatObject>();
    CalcRequest request;
    std::string refused;
    const bool done = RunLines(STDIN_FILENO, STDOUT_FILENO, [&](std::string_view line, bool tooLong, std::string& out) {
      if (tooLong) {
        request = CalcRequest{};
        request.error = "line too long";
      } else {
        CalcRequestFromLine(line, *object, request, edition);
      }
      AnswerCalc(request, texts, out, refused);
    });
    return done ? 0 : kRefused;
  }
  if (arguments.empty()) {
    std::fprintf(stderr, "velmora-calc: calc needs a calculator (velmora-calc calc --help)\n");
    return kUsageError;
  }
  CalcRequest request;
  // A file named after the calculator: "pipeline-content FILE", "pump-design --psa FILE".
  std::vector<std::string> words(arguments.begin(), arguments.end());
  if (words.size() >= 3 && words[0] == "pump-design" && words[1] == "--psa") {
    words[2] = "psa=" + words[2];
    words.erase(words.begin() + 1);
  } else if (words.size() >= 2 && words[0] == "pipeline-content" && words[1].find('=') == std::string::npos) {
    words[1] = "file=" + words[1];
  }
  std::vector<const char*> pointers;
  for (const std::string& word : words) pointers.push_back(word.c_str());
  CalcRequestFromArguments(pointers.front(), std::span<const char* const>(pointers).subspan(1), request, edition);
  std::string out;
  std::string refused;
  const bool answered = AnswerCalc(request, texts, out, refused);
  if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) return kRefused;
  if (request.Failed()) return kUsageError;
  if (!answered) {
    std::fprintf(stderr, "%s\n", refused.c_str());
    return kRefused;
  }
  return 0;
}

std::string CalcHelpText() {
  std::string help = R"(velmora-calc calc - the calculator dialogs from the command line

USAGE
  velmora-calc calc NAME KEY=VALUE ... [us=true] [decimals=N] [edition=D|E|F|H] [id=...]
  velmora-calc calc pump-design --psa FILE      (a saved pump quick design)
  velmora-calc calc pipeline-content FILE [from=N] [to=N] [flow=Q]
  velmora-calc calc --batch < requests.jsonl > answers.jsonl
  velmora-calc calc --help

Each calculator reads, checks and calculates as its dialog does, with the
dialog's messages. KEY=VALUE gives the dialog's fields in the base units of
each key below (the first unit of the dialog's list); a value that is no
number is taken as typed text, so that a field's refusal can be seen. A field
not given is empty (it reads as 0). Choices are whole numbers.
Settings: us (US display units for the shown texts; the numbers stay in base
units), decimals (0 ... 6, default 3), edition (the language of the texts and
the decimal separator; default the build's edition).

CALCULATORS AND THEIR KEYS
)";
  for (const Calculator& calculator : Calculators()) {
    help += "  " + std::string(calculator.name) + ": " + std::string(calculator.about) + "\n";
    for (const CalcKey& key : KeysOf(calculator)) {
      if (key.meaning.empty()) continue;
      // A long key has its meaning on the next line, in the column of the others.
      const std::string gap =
          key.name.size() < 12 ? std::string(12 - key.name.size(), ' ') : "\n" + std::string(16, ' ');
      help += "    " + std::string(key.name) + gap + std::string(key.meaning) + "\n";
    }
  }
  help += R"(
OUTPUT (one JSON object per line; numbers with 18 significant digits, base units)
  id, calculator     as given
  orifice-design     pipe_velocity m/s, pipe_reynolds, target_zeta,
                     no_orifice_needed, bore mm, steps, converged,
                     bore_velocity m/s and bore_reynolds (thick kind), result
  outflow            case (1 ... 6), flow m³/s, velocity m/s, area m²,
                     flow_text, velocity_text
  small-opening-mu, large-opening-mu
                     mu, shown, take_over
  draining-time      seconds, shown
  open-channel       slope, hydraulic_radius m, velocity m/s, flow m³/s,
                     velocity_text, flow_text
  channel-design     slope, velocity m/s, area m², B (rectangle, trapezoid),
                     R (semicircle) or H (triangle) m, H (rectangle,
                     trapezoid) m, velocity_text, first_text, second_text
  strickler          kind_name, condition_name, shown, take_over
  pump-design        suction and pressure (velocity m/s, reynolds, lambda, laminar,
                     vessel_pressure, geodetic_pressure, pipe_loss, each fitting's
                     and element's loss, pump_pressure; bar), pressure_difference
                     bar, head m, npsh m (available), power kW, rows (the result
                     window's rows, cells separated by tabs)
  npsh, pump-head, velocity-to-flow, flow-to-velocity, standard-to-operating
                     npsh m, head m, flow m³/h, velocity m/s or operating_flow
                     (in the standard flow's unit without "N"); shown,
                     shown_second (the window's two result labels)
  kv-to-zeta, cv-to-zeta
                     zeta, shown
  economic-dn        flow m³/h, table_dn_1, table_dn_2 (mm), report (the memo)
  pipeline-content   content m³, shown, hours and time (with a flow)
  refused            the field the dialog refused and focused (e.g. "Edit3"),
                     else null
  failure            the calculation's failure message, else null
  warnings           the dialog's notes shown before its result
  messages           every message the dialog shows, in order
  error              a request that cannot be used (unknown calculator or
                     key, a duplicate key, a setting out of range)

BATCH MODE
  --batch reads one JSON object per line: "id", "calculator" and the inputs
  in "inputs" (the inputs may also stand beside "id" and "calculator"):
    {"id": 1, "calculator": "outflow", "inputs": {"A": 0.01, "H": 2, "mu": 0.6}}
    {"id": 2, "calculator": "open-channel", "inputs": {"shape": 0, "B": 2,
     "H": 1, "slope_given": 2, "percent": 1, "kSt": 50, "us": true}}
  The pump design's two lines are objects with their fittings and up to three
  further elements (or flat keys such as "suction.length",
  "pressure.element1_zeta"):
    {"id": 3, "calculator": "pump-design", "inputs": {"flow": 30,
     "density": 998.2, "viscosity": 1002, "vapour_pressure": 0.0234,
     "suction": {"vessel_pressure": 1.013, "height": 2, "length": 5,
                 "diameter": 100, "fittings": {"gate_valves": 1}},
     "pressure": {"vessel_pressure": 3, "height": 20, "length": 50,
                  "diameter": 80, "fittings": {"bends": 4},
                  "elements": [{"count": 1, "name": "filter", "zeta": 2.5}]}}}
  and writes one answer line per input line, in the same order.

EXIT STATUS
  0  answered (in --batch: every line answered)
  1  refused (the answer on standard output, the messages on standard error),
     or the input could not be read or the output not be written
  2  unusable arguments (the answer with "error" is printed all the same)
)";
  return help;
}

}  // namespace velmora::cli
