#include "catalogue/MessageCatalogue.h"

namespace krd52200 {

const std::vector<std::string>& MessageCatalogueLines() {
    static const std::vector<std::string> lines = {
        "Filial_Deve|Filial deve ser informada.",
        "Filial_N_Cad|Filial não cadastrada.",
        "Filial_Resc|Filial com contrato rescindido.",
        "Data_Ini_Deve|Data Inicial deve ser informada.",
        "Data_Fim_Deve|Data Final deve ser informada.",
        "Periodo_Inv|Data Final deve ser igual ou posterior à Data Inicial.",
        "Serv_Cad_Fili|Não há serviço cadastrado para a filial origem informada.",
        "Serv_Deve|Marque ao menos um serviço para exportar.",
        "Arquivo_Deve|Arquivo destino deve ser informado.",
        "Diretorio_N_Exist|Diretório não existe.",
        "Exportando|Exportando cardápios...",
        "ExportaOk|Exportação realizada com sucesso.",
        "Resumo|Arquivo: %s\nServiços: %d   Dietas: %d   Tipos de prato: %d   Pratos: %d   Linhas de cardápio: %d",
    };
    return lines;
}

}  // namespace krd52200
