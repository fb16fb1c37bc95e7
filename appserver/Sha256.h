#pragma once
// SHA-256 of a stream of bytes, as lower-case hex. The history names each imported file by it, so
// that two imports of the same file are recognisable whatever the files were called.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

struct evp_md_ctx_st;

namespace appserver {

class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void Add(std::string_view bytes);
    // The digest of everything added; the object is spent afterwards.
    std::string Hex();

    // The digest of a file's bytes; "" when it cannot be read.
    static std::string OfFile(const std::filesystem::path& path);

private:
    evp_md_ctx_st* context_;
};

}  // namespace appserver
