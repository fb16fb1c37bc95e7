// The target file: the name the screen proposes from the branch and the period, the save dialog,
// and the check that the folder is there.
#include "screen/TfrmExportaCardapio.h"

#include "FormatSettings.h"
#include "TDateEditPlus.h"
#include "TMaskEdit.h"
#include "TSaveDialog.h"
#include "TextRoutines.h"

#include <cstdlib>
#include <filesystem>

namespace {

std::string Day(const TDateEditPlus& day) {
    return day.DateValid() ? FormatDateTime("yyyymmdd", day.Date()) : "";
}

std::filesystem::path HomeFolder() {
    const char* home = std::getenv("HOME");
    return home && *home ? std::filesystem::path(home) : std::filesystem::current_path();
}

}  // namespace

std::string TfrmExportaCardapio::ProposedFileName() const {
    std::filesystem::path folder = std::filesystem::path(medNmArquivo->Text()).parent_path();
    if (folder.empty()) folder = HomeFolder();
    const std::string name =
        "CARDAPIO_" + AllTrim(medCdFilial->Text()) + "_" + Day(*depInicial) + "_" + Day(*depFinal) + ".txt";
    return (folder / name).string();
}

void TfrmExportaCardapio::ProposeFileName() {
    if (medNmArquivo->Text() != proposedFile) return;
    proposedFile = ProposedFileName();
    medNmArquivo->SetText(proposedFile);
}

// A name typed by the user stays, whatever the branch and the period become.
void TfrmExportaCardapio::medNmArquivoChange(TComponent*) {
    if (medNmArquivo->Text() != proposedFile) proposedFile.clear();
}

void TfrmExportaCardapio::sbtArquivoClick(TComponent*) {
    sdgArquivo->FileName = medNmArquivo->Text();
    if (!sdgArquivo->Execute()) return;
    medNmArquivo->SetText(sdgArquivo->FileName);
}

void TfrmExportaCardapio::Vd_Arquivo() {
    const std::filesystem::path file(AllTrim(medNmArquivo->Text()));
    if (file.empty() || !file.has_filename()) Refuse("Arquivo_Deve", *medNmArquivo);
    if (!std::filesystem::is_directory(std::filesystem::absolute(file).parent_path()))
        Refuse("Diretorio_N_Exist", *medNmArquivo);
}
