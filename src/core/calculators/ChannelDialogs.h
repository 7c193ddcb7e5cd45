#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculators/CalculatorForm.h"
#include "calculators/OpenChannel.h"

// The open-channel dialogs from their typed inputs to the texts they show: the flow of a given
// channel (TGerinneDlg), the optimal profile for a given flow (TKanalDlg) and the database of
// Strickler coefficients that serves both (TDabaStricklerDlg).
namespace velmora::calculators {

inline constexpr std::string_view kOpenChannelBlock = "GerinneDlg";
inline constexpr std::string_view kChannelDesignBlock = "KanalDlg";
inline constexpr std::string_view kStricklerBlock = "DabaStricklerDlg";

// The slope inputs of both dialogs: RadioGroup2 and Edit4 … Edit6 (z1, z2, L in the length unit;
// or α in degrees; or percent).
struct SlopeForm {
  int given = 0;
  std::string edit4, edit5, edit6;
};

// Captions of Edit4 … Edit6 for the slope kind and the length unit (0 m, 1 ft.).
std::vector<std::string> SlopeCaptions(const text::TextStore& texts, std::string_view block, int given, int lengthUnit);

struct OpenChannelForm {
  int shape = 0;                    // RadioGroup1
  std::string edit1, edit2, edit3;  // the shape's inputs
  int lengthUnit = 0;               // ComboBox1: "m", "ft."
  SlopeForm slope;
  std::string strickler;  // Edit7
};

// Captions of Edit1 … Edit3 for the shape and the length unit (empty where the shape has none).
std::vector<std::string> ShapeCaptions(const text::TextStore& texts, int shape, int lengthUnit);

struct ResultPair {
  std::string first;
  std::string second;
};
// Velocity and flow captions in metric or US units.
ResultPair OpenChannelResultCaptions(const text::TextStore& texts, bool us);

struct OpenChannelOutcome : Outcome {
  std::optional<ChannelFlow> flow;  // m, m/s, m³/s
  long double slope = 0;
  std::string velocity;  // Label3
  std::string flowText;  // Label8
};

// Slope first (L not greater than 0, and every other invalid length, give the invalid-input box on
// its field; a slope of 0, a negative or a too large angle or percent their range messages), then
// the shape (lengths greater than 0, a trapezoid's bottom width may be 0; an angle outside its
// range the invalid-input box), then k_St (greater than 0).
OpenChannelOutcome CalculateOpenChannelDialog(const OpenChannelForm& form, const text::TextStore& texts,
                                              const Display& display);

struct ChannelDesignForm {
  std::string flow;  // Edit1
  int flowUnit = 0;  // ComboBox1: "m^3/s", "cfs"
  SlopeForm slope;
  int lengthUnit = 0;     // ComboBox2: "m", "ft."
  std::string strickler;  // Edit7
  int shape = 0;          // RadioGroup1
  std::string angle;      // Edit2 (trapezoid)
};

// Captions of Label10 and Label13 for the shape in metric or US units, and of the velocity.
struct DesignCaptions {
  std::string velocity;
  std::string first;
  std::string second;
};
DesignCaptions ChannelDesignResultCaptions(const text::TextStore& texts, int shape, bool us);

struct ChannelDesignOutcome : Outcome {
  std::optional<ChannelDesign> design;  // m, m/s
  long double slope = 0;
  std::string velocity;  // Label4
  std::string first;     // Label10
  std::string second;    // Label13
};

// Slope as in the open channel, the flow (0 and below: the invalid-input box), k_St (greater than
// 0), the trapezoid's angle (outside 0 < β ≤ 90: the invalid-input box).
ChannelDesignOutcome CalculateChannelDesignDialog(const ChannelDesignForm& form, const text::TextStore& texts,
                                                  const Display& display);

// The database: names of the kinds (1 … 7) and of a kind's conditions, in list order.
std::vector<std::string> StricklerKindNames(const text::TextStore& texts);
std::vector<std::string> StricklerConditionNames(const text::TextStore& texts, int kind);

}  // namespace velmora::calculators
