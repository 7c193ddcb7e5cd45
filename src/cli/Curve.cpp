#include "Curve.h"

#include <exception>

#include "CurveOptions.h"
#include "curve/CurveMessages.h"
#include "curve/CurveText.h"
#include "curve/CurveUnits.h"
#include "project/ProjectFile.h"
#include "project/ProjectMessages.h"
#include "units/UnitLists.h"

namespace velmora::cli {
namespace {

constexpr int kFailure = 1;
constexpr int kUsageError = 2;

void Say(std::string& err, const text::Messages& messages) {
  for (const text::Message& message : messages) err += message.text + "\n";
}

std::string InParentheses(const char* word, std::string_view unit) {
  return std::string(word) + " (" + std::string(unit) + ")";
}

std::string Json(const curve::SystemCurve& curve, const std::optional<curve::PumpPoints>& pump,
                 const std::optional<curve::OperatingPoint>& point) {
  std::string out = "{\"points\":[";
  for (std::size_t i = 0; i < curve.points.size(); ++i) {
    if (i > 0) out += ',';
    out += '[' + curve::FullPrecision(curve.points[i].flow) + ',' + curve::FullPrecision(curve.points[i].loss) + ']';
  }
  out += ']';
  if (pump) {
    out += ",\"operating_point\":";
    if (point) {
      out += "{\"flow\":" + curve::FullPrecision(point->flow) + ",\"loss\":" + curve::FullPrecision(point->loss) +
             ",\"head\":" + curve::FullPrecision(point->head) + '}';
    } else {
      out += "null";
    }
  }
  return out + "}\n";
}

std::string Csv(const curve::SystemCurve& curve, const curve::CurveRequest& request,
                const std::optional<curve::PumpPoints>& pump, const std::optional<curve::OperatingPoint>& point) {
  const std::string_view flowUnit = units::UnitName(curve::CurveFlowUnits(), request.flowUnit);
  const char* lossUnit = request.psi ? "psi" : "bar";
  std::vector<curve::CsvSection> sections = {
      curve::PointsSection(curve, 1, InParentheses("flow", flowUnit), InParentheses("loss", lossUnit))};
  if (pump) {
    sections.push_back(curve::OperatingPointSection(
        point, 1,
        {InParentheses("operating flow", flowUnit), InParentheses("operating loss", lossUnit),
         InParentheses("operating head", "m")}));
  }
  return curve::WriteCsv(sections);
}

int Run(std::span<const char* const> arguments, const text::TextStore& texts, std::string& out, std::string& err) {
  std::string problem;
  const std::optional<CurveOptions> options = ReadCurveOptions(arguments, problem);
  if (!options) {
    err += "velmora-calc curve: " + problem + "\n";
    return kUsageError;
  }
  if (options->pump && options->pump->problem != curve::PumpProblem::None) {
    err += curve::PumpMessage(options->pump->problem, *options->pump, texts)->text + "\n";
    return kUsageError;
  }

  const project::ProjectReadResult read = project::OpenProject(options->file, texts, project::ProjectAppearance{});
  if (read.status != project::ProjectReadStatus::Loaded) {
    // The file that cannot be opened, or is no (valid) project: the main window's messages.
    text::Messages messages = project::ProjectReadMessages(read, texts);
    std::erase_if(messages, [](const text::Message& m) { return m.icon != text::MessageIcon::Error; });
    Say(err, messages);
    return kFailure;
  }
  curve::CurveRequest request = options->request;
  request.tableUs = read.appearance.us;
  const curve::SystemCurve computed = curve::ComputeSystemCurve(read.table, options->medium, request, texts);
  Say(err, curve::CurveMessages(computed, request, texts));  // the failure, or a note on the curve
  if (!computed.Ok()) return kFailure;

  std::optional<curve::OperatingPoint> point;
  if (options->pump) {
    const curve::LossUnit losses{request.psi, 1, options->medium.Density};
    const curve::PumpFit fit = curve::FitPumpCurve(options->pump->points, curve::HeadUnit::Metre, losses);
    if (!fit.curve) {
      err += curve::PumpMessage(fit.problem, *options->pump, texts)->text + "\n";
      return kUsageError;
    }
    point = curve::FindOperatingPoint(computed, *fit.curve, losses);
  }
  out += options->format == CurveFormat::Json ? Json(computed, options->pump, point)
                                              : Csv(computed, request, options->pump, point);
  return 0;
}

}  // namespace

int RunCurve(std::span<const char* const> arguments, const text::TextStore& texts, std::string& out, std::string& err) {
  try {
    return Run(arguments, texts, out, err);
  } catch (const std::exception& e) {
    // Running out of memory on a giant file, say: a message, never a crash.
    out.clear();
    err += std::string("velmora-calc curve: ") + e.what() + "\n";
    return kFailure;
  }
}

}  // namespace velmora::cli
