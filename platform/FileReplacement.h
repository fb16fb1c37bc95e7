#pragma once
// Replaces a file never by half: the new content is written to a hidden temporary file beside
// the target (same folder, so the same file system), flushed to the disk, and only then renamed
// onto the target, which therefore holds either its old content or the whole new one. Until
// Commit, the destructor removes the temporary file, whatever was written to it.
//
//   FileReplacement replacement(target);
//   ... write replacement.Temporary() whole, then FileReplacement::Sync(replacement.Temporary()) ...
//   if (!replacement.Commit()) ... the target is as it was ...
#include <filesystem>

class FileReplacement {
public:
    explicit FileReplacement(const std::filesystem::path& target);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Unique among the replacements of every process.
    const std::filesystem::path& Temporary() const { return temporary_; }
    // Renames the temporary file onto the target; false (the temporary file removed) on failure.
    bool Commit();

    // Flushes a written file's bytes to the disk; false when the disk reports a failure.
    static bool Sync(const std::filesystem::path& path);

private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    bool committed_ = false;
};
