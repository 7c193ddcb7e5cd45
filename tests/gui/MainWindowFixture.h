#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include "TestTexts.h"
#include "main/TMyWindow.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {

// A main window as the program shows it, with every message box recorded instead of shown.
class MainWindowFixture : public testing::Test {
 protected:
  void SetUp() override {
    SetMessageInterceptor([this](const text::Message& message, MessageButtons) {
      shown.push_back(message);
      return MessageAnswer::Ok;
    });
    window = std::make_unique<TMyWindow>(testing_support::Texts(Edition()), VELMORA_TEST_PROGRAM_DIR);
    window->SetSettingsFile(settingsFolder.filePath("Velmora6.ini"));
    window->PrepareFirstShow({});
    window->show();
    QApplication::processEvents();
  }
  void TearDown() override {
    window.reset();
    SetMessageInterceptor({});
  }
  virtual text::Edition Edition() const { return 'D'; }

  template <typename T>
  T* Find(const char* name) const {
    T* widget = window->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  void Type(const char* edit, const QString& text) { Find<QLineEdit>(edit)->setText(text); }
  void Choose(const char* combo, int index) { Find<QComboBox>(combo)->setCurrentIndex(index); }
  void PressCalculate() {
    Find<QPushButton>("BitBtn1")->click();
    QApplication::processEvents();
  }
  QString FocusedName() const {
    QWidget* focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QString();
  }

  QTemporaryDir settingsFolder;
  std::unique_ptr<TMyWindow> window;
  std::vector<text::Message> shown;
};

}  // namespace velmora::gui
