#include <gtest/gtest.h>

#include <QApplication>

namespace {

// The window tests need one application object for the whole test program.
class QtApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "gui_results_tests";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) application_ = new QApplication(argc, argv);
  }
  void TearDown() override {
    delete application_;
    application_ = nullptr;
  }

 private:
  QApplication* application_ = nullptr;
};

const ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
