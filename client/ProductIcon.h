#pragma once
// The product's icon, on the main window and on every screen: a plate between a fork and a knife
// on the menu's green, painted at the sizes window managers ask for.
#include <QIcon>

namespace ProductIcon {

QIcon Icon();

}  // namespace ProductIcon
