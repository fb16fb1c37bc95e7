#include "ExportedFileWriter.h"

#include "FileReplacement.h"
#include "SysUtils.h"
#include "Text.h"

#include <fstream>

void ExportedFileWriter::Write(const std::filesystem::path& target, std::string_view text) {
    const std::filesystem::path absolute = std::filesystem::absolute(target);
    if (!std::filesystem::is_directory(absolute.parent_path()))
        throw EInOutError("A pasta de destino não existe: " + absolute.parent_path().string());
    FileReplacement replacement(absolute);
    {
        const std::string bytes = EncodeWindows1252(text);
        std::ofstream out(replacement.Temporary(), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (out && FileReplacement::Sync(replacement.Temporary()) && replacement.Commit()) return;
    }
    throw EInOutError("Não foi possível gravar o arquivo " + target.string() +
                      " (pasta sem permissão de escrita, disco cheio ou erro do disco); nenhum arquivo foi deixado "
                      "no destino.");
}
