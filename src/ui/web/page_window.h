#pragma once

#include "ui/web/web_window.h"

#include <memory>

namespace quorvel::ui::web {

// The window the page shows: made by main() at start-up; a test build's scenario runner replaces
// it with a fresh one for each scenario it plays.
std::unique_ptr<WebWindow>& pageWindow();

} // namespace quorvel::ui::web
