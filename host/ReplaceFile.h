#pragma once
// Writes a whole file where the user chose, so that the path holds either its old content or the
// new one, never a part: the bytes go to a temporary file beside it, which is flushed and then
// renamed over the path. A failure (no such folder, no permission, a full disk) removes the
// temporary file and leaves the path as it was.
#include <filesystem>
#include <string>
#include <string_view>

// "" when written, else the reason, in Portuguese, for the user.
std::string ReplaceFile(const std::filesystem::path& path, std::string_view bytes);
