#pragma once

#include "app/form1.h"
#include "app/version.h"

#include <string>

namespace quorvel {

// "Quorvel２ver" and major.minor.revision, then the copyright and contact lines, each after a
// carriage return alone.
[[nodiscard]] std::string VersionBoxText(const ProgramVersion& version);

// バージョン情報: shows the box; reads nothing of the calculator and changes nothing.
void ShowVersionBox(Form1& form);

} // namespace quorvel
