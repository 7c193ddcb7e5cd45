// The package of each edition and what the package manager reports about it.
#include <gtest/gtest.h>

#include "install/Package.h"

namespace velmora::install {
namespace {

TEST(Package, OnePackagePerEdition) {
  EXPECT_EQ(PackageName('D'), "velmora-de");
  EXPECT_EQ(PackageName('E'), "velmora-en");
  EXPECT_EQ(PackageName('F'), "velmora-fr");
  EXPECT_EQ(PackageName('H'), "velmora-nl");
}

TEST(Package, ThePolicyReportGivesInstalledAndCandidate) {
  const PackageVersions upgrade = ParsePolicy(
      "velmora-de:\n  Installed: 6.260\n  Candidate: 6.261\n  Version table:\n     6.261 500\n"
      "        500 http://deb.example stable/main amd64 Packages\n *** 6.260 100\n        100 /var/lib/dpkg/status\n");
  EXPECT_EQ(upgrade.installed, "6.260");
  EXPECT_EQ(upgrade.candidate, "6.261");
  EXPECT_TRUE(UpgradeOffered(upgrade));

  const PackageVersions current = ParsePolicy("velmora-de:\n  Installed: 6.260\n  Candidate: 6.260\n");
  EXPECT_FALSE(UpgradeOffered(current));

  const PackageVersions notInstalled = ParsePolicy("velmora-de:\n  Installed: (none)\n  Candidate: 6.260\n");
  EXPECT_EQ(notInstalled.installed, "");
  EXPECT_FALSE(UpgradeOffered(notInstalled));

  // apt knows no such package: it prints nothing (or a warning on standard error).
  EXPECT_FALSE(UpgradeOffered(ParsePolicy("")));
}

}  // namespace
}  // namespace velmora::install
