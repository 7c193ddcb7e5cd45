#include "CalcCalculators.h"

#include <cmath>

#include "calculators/EconomicDiameter.h"
#include "calculators/PipelineContent.h"
#include "calculators/PumpDesignFile.h"
#include "project/ProjectFile.h"
#include "units/Numbers.h"

namespace velmora::cli {
namespace {

using namespace velmora::calculators;

void Value(JsonWriter& json, std::string_view key, long double value) {
  json.NumberOrNull(key, std::isfinite(value) ? std::optional(value) : std::nullopt);
}

void Two(JsonWriter& json, const TwoResults& o, std::string_view key) {
  if (!o.value) return;
  Value(json, key, *o.value);
  json.String("shown", o.first);
  json.String("shown_second", o.second);
}

PumpDesignForm PumpForm(const CalcRequest& r) {
  PumpDesignForm f = PumpDesignForm::Defaults(r.edition);
  const auto in = [&](std::string_view key, std::string& field) {
    if (r.Has(key)) field = r.Input(key);
  };
  in("pump", f.pump);
  in("medium", f.medium);
  in("flow", f.flow);
  in("density", f.density);
  in("viscosity", f.viscosity);
  in("roughness", f.roughness);
  in("temperature", f.temperature);
  in("vapour_pressure", f.vapourPressure);
  for (const std::string side : {"suction.", "pressure."}) {
    PumpLineForm& line = side == "suction." ? f.suction : f.pressure;
    in(side + "vessel_pressure", line.vesselPressure);
    in(side + "height", line.height);
    in(side + "length", line.length);
    in(side + "diameter", line.diameter);
    const char* fittings[] = {"bends", "globe_valves", "lift_check_valves",
                              "cocks", "gate_valves",  "swing_check_valves"};
    for (std::size_t i = 0; i < 6; ++i) in(side + fittings[i], line.fittings[i]);
    for (std::size_t e = 0; e < 3; ++e) {
      const std::string stem = side + "element" + std::to_string(e + 1) + "_";
      in(stem + "count", line.elements[e].count);
      in(stem + "name", line.elements[e].name);
      in(stem + "zeta", line.elements[e].zeta);
      in(stem + "dp", line.elements[e].pressureLoss);
    }
  }
  return f;
}

void Line(JsonWriter& json, std::string_view key, const PumpLineResult& l) {
  JsonWriter o = json.Object(key);
  Value(o, "velocity", l.velocity);
  Value(o, "reynolds", l.reynolds);
  Value(o, "lambda", l.lambda);
  o.Bool("laminar", l.laminar);
  Value(o, "vessel_pressure", l.vesselPressure);
  Value(o, "geodetic_pressure", l.geodeticPressure);
  Value(o, "pipe_loss", l.pipeLoss);
  const char* names[] = {"bends", "cocks", "globe_valves", "gate_valves", "lift_check_valves", "swing_check_valves"};
  for (std::size_t i = 0; i < 6; ++i) Value(o, names[i], l.fittingLosses[i]);
  for (std::size_t e = 0; e < 3; ++e) Value(o, "element" + std::to_string(e + 1), l.elementLosses[e]);
  Value(o, "pump_pressure", l.pumpPressure);
  o.Close();
}

const Outcome& Pump(const CalcRequest& r, const text::TextStore& t, const Display& d, JsonWriter& json,
                    CalculatorsII& o, std::string& error) {
  PumpDesignForm form = PumpForm(r);
  if (r.Has("psa")) {
    const PumpFileRead read = LoadPumpDesign(r.Input("psa"), t.edition());
    if (!read.form) {
      error = PumpFileMessage(t, r.Input("psa"), read).text;
      return o.plain;
    }
    form = *read.form;
  }
  o.pump = CalculatePumpDesignDialog(form, t, d);
  if (!o.pump.result) return o.pump;
  const PumpDesignResult& res = *o.pump.result;
  Line(json, "suction", res.suction);
  Line(json, "pressure", res.pressure);
  Value(json, "pressure_difference", res.pressureDifference);
  Value(json, "head", res.head);
  Value(json, "npsh", res.npsh);
  Value(json, "power", res.power);
  std::vector<std::string> rows;
  for (const auto& line : o.pump.shown.lines) rows.push_back(line[0] + "\t" + line[1] + "\t" + line[2]);
  for (const auto& line : o.pump.shown.totals) rows.push_back(line[0] + "\t" + line[1]);
  json.Strings("rows", rows);
  return o.pump;
}

const Outcome& Content(const CalcRequest& r, const text::TextStore& t, const Display& d, JsonWriter& json,
                       CalculatorsII& o, std::string& error) {
  const project::ProjectReadResult read = project::OpenProject(r.Input("file"), t, {});
  if (read.status != project::ProjectReadStatus::Loaded) {
    error = "the project file cannot be read: " + r.Input("file");
    return o.plain;
  }
  const int last = read.table.LastElementColumn();
  const int from = r.Has("from") ? std::atoi(r.Input("from").c_str()) : 1;
  const int to = r.Has("to") ? std::atoi(r.Input("to").c_str()) : last;
  const long double content = PipelineContent(read.table, from, to, t, read.appearance.us);
  Value(json, "content", content);
  json.String("shown", ContentText(content, d.us, t.edition()));
  const std::optional<long double> flow = units::ParseNumber(r.Input("flow"));
  const std::optional<std::string> time = flow ? FillingTimeText(content, *flow, t.edition()) : std::nullopt;
  if (time) {
    Value(json, "hours", content / *flow);
    json.String("time", *time);
  }
  return o.plain;
}

}  // namespace

bool IsCalculatorII(std::string_view name) {
  for (const char* n : {"pump-design", "npsh", "economic-dn", "pump-head", "velocity-to-flow", "flow-to-velocity",
                        "kv-to-zeta", "cv-to-zeta", "standard-to-operating", "pipeline-content"}) {
    if (name == n) return true;
  }
  return false;
}

const Outcome* AnswerCalculatorII(const CalcRequest& r, const text::TextStore& t, const Display& d, JsonWriter& json,
                                  CalculatorsII& o, std::string& error) {
  const std::string_view name = r.calculator->name;
  if (name == "pump-design") return &Pump(r, t, d, json, o, error);
  if (name == "pipeline-content") return &Content(r, t, d, json, o, error);
  if (name == "npsh") {
    o.two =
        CalculateNpshDialog({r.Input("suction_pressure"), 0, r.Input("vapour_pressure"), 0, r.Input("density"), 0}, t);
    Two(json, o.two, "npsh");
    return &o.two;
  }
  if (name == "pump-head") {
    o.two = CalculatePumpHeadDialog({r.Input("dp"), 0, r.Input("density"), 0}, t);
    Two(json, o.two, "head");
    return &o.two;
  }
  if (name == "velocity-to-flow") {
    o.two = CalculateVelocityToFlowDialog({r.Input("velocity"), 0, r.Input("diameter"), 0}, t);
    Two(json, o.two, "flow");
    return &o.two;
  }
  if (name == "flow-to-velocity") {
    o.two = CalculateFlowToVelocityDialog({r.Input("flow"), 0, r.Input("diameter"), 0}, t);
    Two(json, o.two, "velocity");
    return &o.two;
  }
  if (name == "standard-to-operating") {
    o.two = CalculateStandardToOperatingDialog(
        {r.Input("standard_flow"), 2, r.Input("temperature"), 0, r.Input("pressure"), 0}, t, d);
    Two(json, o.two, "operating_flow");
    return &o.two;
  }
  if (name == "kv-to-zeta" || name == "cv-to-zeta") {
    const bool cv = name == "cv-to-zeta";
    o.zeta = CalculateValveZetaDialog({r.Input(cv ? "cv" : "kv"), r.Input("diameter"), 0}, cv, t, d);
    if (o.zeta.zeta) {
      Value(json, "zeta", *o.zeta.zeta);
      json.String("shown", o.zeta.shown);
    }
    return &o.zeta;
  }
  if (name == "economic-dn") {
    const bool gas = r.Input("gas") == "1";
    o.dn = CalculateEconomicDiameterDialog({r.Input("flow"), 0, r.Input("metric") != "0"}, gas, t);
    if (o.dn.flow) {
      Value(json, "flow", *o.dn.flow);
      json.Number("table_dn_1", o.dn.tableDiameters[0]);
      json.Number("table_dn_2", o.dn.tableDiameters[1]);
      json.Strings("report", o.dn.memo);
    }
    return &o.dn;
  }
  return nullptr;
}

}  // namespace velmora::cli
