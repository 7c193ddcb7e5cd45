#include "help/PackageQuery.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace velmora::gui {
namespace {

constexpr int kWaitMs = 5000;

QProcess* PolicyProcess(QObject* owner, const QString& package) {
  auto* process = new QProcess(owner);
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("LC_ALL", "C");  // apt's field names untranslated
  process->setProcessEnvironment(environment);
  process->setProgram("apt-cache");
  process->setArguments({"policy", package});
  return process;
}

install::PackageVersions Answer(QProcess& process) {
  return install::ParsePolicy(process.readAllStandardOutput().toStdString());
}

}  // namespace

install::PackageVersions QueryPackage(const QString& package) {
  QProcess* process = PolicyProcess(nullptr, package);
  process->start();
  install::PackageVersions versions;
  if (process->waitForFinished(kWaitMs)) versions = Answer(*process);
  process->kill();
  process->waitForFinished(kWaitMs);
  delete process;
  return versions;
}

void QueryPackageLater(QObject* owner, const QString& package, std::function<void(install::PackageVersions)> done) {
  QProcess* process = PolicyProcess(owner, package);
  QObject::connect(process, &QProcess::finished, owner, [process, done] {
    done(Answer(*process));
    process->deleteLater();
  });
  QObject::connect(process, &QProcess::errorOccurred, owner, [process](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) process->deleteLater();
  });
  process->start();
}

}  // namespace velmora::gui
