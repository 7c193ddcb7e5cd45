// Linked into window tests: one QApplication for the whole test program, offscreen.
#include <gtest/gtest.h>
#include <QApplication>
#include <QStandardPaths>

namespace {

class QtApplicationEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "velmora-tests";
    static char* argv[] = {name, nullptr};
    application_ = new QApplication(argc, argv);
    // Settings and other per-user files go to a test location, never the user's own.
    QStandardPaths::setTestModeEnabled(true);
  }
  void TearDown() override { delete application_; }

 private:
  QApplication* application_ = nullptr;
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
