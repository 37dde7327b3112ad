#pragma once
// The help window's topic texts, in the language in force.
#include <QString>

namespace helptext {
QString overview();
QString connecting();
QString gamePlay();
QString computer();
QString history();
QString lobby();
} // namespace helptext
