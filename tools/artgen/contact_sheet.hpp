// The contact sheet: every picture of the game on one page, each with its file name.
#pragma once

#include <QImage>

#include <string>
#include <utility>
#include <vector>

namespace artgen {

QImage contactSheet(const std::vector<std::pair<std::string, QImage>>& pictures);

}  // namespace artgen
