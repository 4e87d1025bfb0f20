// The game's icon: a village at night under the moon, seen through a magnifying glass.
#pragma once

#include <QIcon>
#include <QImage>

namespace desktop {

QImage renderIcon(int size);
QIcon gameIcon();

}  // namespace desktop
