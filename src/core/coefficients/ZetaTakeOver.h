#pragma once

#include <string>
#include <string_view>

#include "mainform/MainForm.h"
#include "text/Edition.h"

// Where a zeta value of the database goes.
namespace velmora::coefficients {

// The fitting chosen in the zeta database.
struct ZetaChoice {
  std::string manufacturer;
  std::string designation;
  std::string diameter;  // the nominal diameter as written in the file
  std::string zeta;      // as shown (ShownZeta)
  bool describe = true;  // "manufacturer designation" becomes the pipe description
};

// A zeta value as the edition shows it: with its decimal separator ('E' a point, else a comma).
std::string ShownZeta(std::string_view written, text::Edition edition);

// "manufacturer designation", the description the take-over writes when asked to.
std::string ZetaDescription(const ZetaChoice& choice);

// The main window: element 12/1 (known zeta, circular pipe) with the nominal diameter as its
// diameter in mm and the zeta value; the description is the fitting's or, as after any change of
// element, empty.
void ApplyZeta(mainform::MainForm& form, const ZetaChoice& choice);

}  // namespace velmora::coefficients
