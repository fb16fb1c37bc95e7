#include "ExportedFileWriter.h"

#include "SysUtils.h"
#include "Text.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <fstream>

namespace {

std::filesystem::path TemporaryName(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    return target.parent_path() / ("." + target.filename().string() + "." + std::to_string(::getpid()) + "-" +
                                   std::to_string(counter++) + ".parcial");
}

bool WriteAndSync(const std::filesystem::path& path, const std::string& bytes) {
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) return false;
    }
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    const bool synced = descriptor >= 0 && ::fsync(descriptor) == 0;
    if (descriptor >= 0) ::close(descriptor);
    return synced;
}

}  // namespace

void ExportedFileWriter::Write(const std::filesystem::path& target, std::string_view text) {
    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    if (!std::filesystem::is_directory(folder))
        throw EInOutError("A pasta de destino não existe: " + folder.string());
    const std::filesystem::path absolute = std::filesystem::absolute(target);
    const std::filesystem::path temporary = TemporaryName(absolute);
    std::error_code error;
    if (WriteAndSync(temporary, EncodeWindows1252(text))) std::filesystem::rename(temporary, absolute, error);
    else error = std::make_error_code(std::errc::io_error);
    if (!error) return;
    std::filesystem::remove(temporary, error);
    throw EInOutError("Não foi possível gravar o arquivo " + target.string() +
                      " (pasta sem permissão de escrita, disco cheio ou erro do disco); nenhum arquivo foi deixado no destino.");
}
