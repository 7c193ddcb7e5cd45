#pragma once

#include <span>
#include <string_view>

// The papers the page setup offers (its list ComboBox2). A project file stores the entry's text,
// so the names are the same in every edition.
namespace velmora::printing {

struct Paper {
  std::string_view name;
  double width = 0;   // mm, portrait
  double height = 0;  // mm, portrait
};

// The entries of the paper list, the default (A4) first.
std::span<const Paper> Papers();

// The paper of a stored entry; an empty or unknown entry (another program's paper name) is the
// default paper.
const Paper& PaperNamed(std::string_view entry);

}  // namespace velmora::printing
