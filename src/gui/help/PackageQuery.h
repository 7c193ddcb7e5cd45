#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "install/Package.h"

namespace velmora::gui {

// Asks the system's package manager what it knows of a package: `apt-cache policy PACKAGE`, which
// reads the package lists already on the machine and never the network. Without apt, or for a
// package it does not know, both versions stay empty.
install::PackageVersions QueryPackage(const QString& package);

// The same question without waiting: `done` receives the answer when apt has given it.
void QueryPackageLater(QObject* owner, const QString& package, std::function<void(install::PackageVersions)> done);

}  // namespace velmora::gui
