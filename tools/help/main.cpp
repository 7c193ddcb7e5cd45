// velmora-help: writes the manual of one language.
//
//   velmora-help LANGUAGE HELP_DIR TEXTS_DIR PICTURES_DIR OUTPUT_DIR
//       LANGUAGE is de, en, fr or nl. OUTPUT_DIR receives the pages of HELP_DIR/en, then those of
//       HELP_DIR/LANGUAGE over them, HELP_DIR/help.css, the PNG pictures of PICTURES_DIR in
//       pictures/, and the element chapter written from HELP_DIR/LANGUAGE/elements.tsv with the
//       element names and notes of TEXTS_DIR. Any missing text ends the run with exit code 1.

#include <exception>
#include <iostream>
#include <string>

#include "ElementPages.h"
#include "ManualFolder.h"

int main(int argc, char** argv) {
  if (argc != 6) {
    std::cerr << "usage: velmora-help LANGUAGE HELP_DIR TEXTS_DIR PICTURES_DIR OUTPUT_DIR\n";
    return 1;
  }
  try {
    const std::string language = argv[1];
    const velmora::tools::ElementSources sources = velmora::tools::ReadElementSources(argv[2], argv[3], language);
    velmora::tools::WriteManual(argv[2], language, argv[4], velmora::tools::ElementPages(sources, language), argv[5]);
  } catch (const std::exception& error) {
    std::cerr << "velmora-help: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
