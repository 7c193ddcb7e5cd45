#pragma once

#include <string>
#include <string_view>

#include "text/Edition.h"

// The Debian package of an edition and what the system's package manager knows about it. The
// program never looks for upgrades on a network: the package manager does, and the program only
// reads what it knows.
namespace velmora::install {

// The package of an edition: "velmora-de", "velmora-en", "velmora-fr", "velmora-nl".
std::string PackageName(text::Edition edition);

// The versions of a package as `apt-cache policy PACKAGE` reports them; empty when it reports
// none ("(none)") or does not know the package.
struct PackageVersions {
  std::string installed;
  std::string candidate;  // the version the package manager would install
};

PackageVersions ParsePolicy(std::string_view output);

// The package manager offers another version than the installed one (an upgrade: apt's
// candidate is never older unless the system pins it so).
bool UpgradeOffered(const PackageVersions& versions);

}  // namespace velmora::install
