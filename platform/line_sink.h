// Where a layer below the window sends the lines it would append to a memo.
#pragma once

#include <functional>
#include <string>

using LineSink = std::function<void(const std::string& line)>;
