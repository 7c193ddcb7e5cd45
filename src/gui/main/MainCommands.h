#pragma once

#include <QString>
#include <map>
#include <string>
#include <string_view>

#include "text/TextStore.h"

class QAction;
class QMainWindow;
class QMenu;

namespace velmora::gui {

struct MenuDefinition;

// The menus and the tool bar of the main window, built from one table. Every command is a
// QAction named like its menu item; a tool button triggers the action of its item and follows its
// enabled state. Commands of windows still to come are present but disabled.
class MainCommands {
 public:
  // Builds the menu bar and the tool bar into `window`.
  void Build(QMainWindow& window, text::Edition edition);
  // Sets menu titles, item captions and tool-button hints from the window's texts.
  void SetCaptions(const text::TextStore& texts) const;

  // The action of a command; an unknown name is a programming error and stops the program.
  QAction& operator[](std::string_view name) const;
  QMenu& Menu(std::string_view name) const;

 private:
  void AddItems(QMenu& menu, const MenuDefinition& definition);

  std::map<std::string, QAction*, std::less<>> actions_;
  std::map<std::string, QMenu*, std::less<>> menus_;
};

}  // namespace velmora::gui
