#pragma once
// The program's icon: a sun, drawn rather than shipped.

#include <QIcon>

namespace solmon::ui {

QIcon SolmonIcon();

}  // namespace solmon::ui
