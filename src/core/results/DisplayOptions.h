#pragma once

namespace velmora::results {

// How the results window shows its values; the settings dialog owns the choices.
struct DisplayOptions {
  int decimals = 3;              // digits after the separator of every value ("Nachkomma")
  bool us = false;               // US display units instead of metric ("metrisch" = "I")
  bool captionShowsPath = true;  // window caption: full path, or the bare file name ("Tabellenkopf")
};

}  // namespace velmora::results
