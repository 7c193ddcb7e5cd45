#pragma once

#include "calculators/CalculatorDialog.h"
#include "calculators/ChannelDialogs.h"

class QGridLayout;
class QWidget;

namespace velmora::gui {

// What the open-channel and the channel-design dialog share: the slope given by heights, angle
// or percent (RadioGroup2, Edit4 … Edit6 with their captions and picture Image2), the Strickler
// coefficient (Edit7) with its database button, and the take-over from that database.
class ChannelDialog : public CalculatorDialog {
  Q_OBJECT

 public:
  // A Strickler coefficient taken over from the database: written into k_St while shown.
  void TakeOverStrickler(const QString& coefficient);

 signals:
  void DatabaseRequested();

 protected:
  ChannelDialog(const text::TextStore& texts, std::string_view block, QString programFolder, QWidget* parent);

  // The slope group and its inputs, and the roughness row, as widgets of their own.
  QWidget* BuildSlope();
  QWidget* BuildRoughness();
  // Captions of Edit4 … Edit6 for the slope kind and the chosen length unit; changing the slope
  // kind also empties them.
  void SetSlopeCaptions();
  calculators::SlopeForm ReadSlope() const;
  virtual int LengthUnit() const = 0;

 private:
  std::string_view block_;
};

}  // namespace velmora::gui
