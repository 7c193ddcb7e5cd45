#include "mainform/MainForm.h"

namespace velmora::mainform {

MainForm MainForm::Defaults(text::Edition edition) {
  MainForm form;
  if (edition == 'E') {
    form.dimensions[1] = "1.0";
    form.roughness = "0.1";
    form.flow = "1.0";
    form.density = "998.2";
  }
  return form;
}

}  // namespace velmora::mainform
