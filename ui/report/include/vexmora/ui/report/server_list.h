#pragma once
// SERVERlist of the battle settings: "報告しない" (selected at start), then the base names of
// the "*.srv" files of the "Server" folder. The chosen entry names the server file that
// reports go to, or none.

#include <QListWidget>
#include <string>

#include "vexmora/data/paths.h"

namespace vex::ui {

QListWidget* makeServerList(const fs::path& programFolder, QWidget* parent = nullptr);
// The chosen server file's path, "" for 報告しない.
std::string chosenServerFile(const QListWidget* list);
// Selects the entry of a server file ("" or an unknown file: 報告しない).
void chooseServerFile(QListWidget* list, const std::string& serverFile);

}  // namespace vex::ui
