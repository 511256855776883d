// Replacing a text file as a whole: readers see either the old content or the complete new one,
// never a file cut short by a failure halfway through.
#pragma once

#include <filesystem>
#include <string_view>

#include "platform/line_sink.h"

// Writes `content` to a temporary file beside `target` and renames it over `target`. A file that
// exists keeps its permission bits; a new one gets 0666 less the umask. When `target` exists but
// may not be written, or the temporary cannot be created, written, flushed or renamed, the
// temporary is removed, `target` is left as it was, "File not found" goes to the figures memo
// and the result is false.
bool ReplaceTextFile(const std::filesystem::path& target, std::string_view content,
                     const LineSink& figuresMemo);
