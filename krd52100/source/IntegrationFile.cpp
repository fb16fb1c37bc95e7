// The integration file named in the filter panel: its name, the check of its header and the
// one-line summary of it shown beside the name.
#include "screen/TfrmIntegraCardapio.h"

#include "FocusBack.h"
#include "source/IntegrationFileHeader.h"

#include "ErrorReporting.h"
#include "FormatSettings.h"
#include "TClientDataSet.h"
#include "TLabel.h"
#include "TMaskEdit.h"
#include "TMessages.h"
#include "TOpenDialog.h"
#include "Text.h"
#include "TextRoutines.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#include <unistd.h>

namespace {

// Whether the directory part of a file name (everything up to its last '/') is a directory the
// process could make its current one. The check leaves the current directory alone: many screens
// share the process, and a relative name elsewhere must not start resolving against the folder
// of the last file checked here. A name without any '/' has no directory part and fails, as
// making an empty name the current directory does; the delimiter itself is kept, so that a file
// at the root names the root.
bool DirectoryPartExists(std::string_view fileName) {
    const std::size_t delimiter = fileName.rfind('/');
    if (delimiter == std::string_view::npos) return false;
    const std::string directory(fileName.substr(0, delimiter + 1));
    std::error_code error;
    return std::filesystem::is_directory(directory, error) && access(directory.c_str(), X_OK) == 0;
}

// A file, not a directory, exists under the name.
bool FileExists(const std::string& fileName) {
    std::error_code error;
    const auto status = std::filesystem::status(fileName, error);
    return std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

}  // namespace

// Whatever a previous load put into the mapping tables is dropped as soon as the user returns
// to the file name: it belonged to the file about to change.
void TfrmIntegraCardapio::medNmArquivoEnter(TComponent*) {
    cdsServicos->Close();
    cdsDietas->Close();
    cdsTipoPrat->Close();
}

// The summary belongs to the name it was written for, and so do the tables of a load.
void TfrmIntegraCardapio::medNmArquivoChange(TComponent*) {
    lblDadoArq->SetCaption("");
    ForgetLoadedTables();
}

// An empty name may be left for now; the filter panel insists on one when it is left.
void TfrmIntegraCardapio::medNmArquivoExit(TComponent*) { Vd_Arquivo(false); }

// The chosen name is checked when the focus leaves the edit, like a typed one.
void TfrmIntegraCardapio::sbtArquivoClick(TComponent*) {
    medNmArquivo->SetFocus();
    if (odgEfetivos->Execute()) medNmArquivo->SetText(odgEfetivos->FileName);
}

void TfrmIntegraCardapio::Vd_Arquivo(bool flag) {
    try {
        const std::string name = medNmArquivo->Text();
        if (EmptyString(name)) {
            if (flag) MensErro(msgPadrao->Msg("Arquivo_Deve"), true);
            return;
        }
        if (!DirectoryPartExists(AllTrim(name))) MensErro(msgPadrao->Msg("Diretorio_N_Exist"), true);
        if (!FileExists(name)) MensErro(msgPadrao->Msg("Arquivo_N_Exist"), true);
        Testa_Arquivo();
    } catch (...) {
        FocusBack(*medNmArquivo);
        throw;
    }
}

// Reads the header line only, so the file is closed before anything is checked. A failure
// leaves the summary unwritten; Vd_Arquivo, the only caller, puts the focus back on the name.
void TfrmIntegraCardapio::Testa_Arquivo() {
    const auto header = krd52100::ParseHeaderLine(krd52100::ReadHeaderLine(medNmArquivo->Text()));
    if (!header) MensErro(msgPadrao->Msg("Arquivo_Invalido"), true);
    lblDadoArq->SetCaption(header->Summary());
}
