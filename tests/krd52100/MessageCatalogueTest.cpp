// The texts the screen shows come from its catalogue, so a wrong entry shows up in front of the
// user: every key, text and placeholder is checked against the product's list, on the catalogue
// the opened screen actually holds.
#include "ScreenFixture.h"

#include "TMessages.h"

namespace krd52100::testing {
namespace {

struct Entry {
    const char* key;
    const char* text;
    int placeholders;
};

const Entry kCatalogue[] = {
    {"Filial_Deve", "Filial deve ser informada.", 0},
    {"Filial_N_Cad", "Filial não cadastrada.", 0},
    {"Filial_Resc", "Filial com contrato rescindido.", 0},
    {"Arquivo_Deve", "Arquivo origem deve ser informado.", 0},
    {"Diretorio_N_Exist", "Diretório não existe.", 0},
    {"Arqui_Car", "Carregando arquivo...", 0},
    {"Import", "Importando serviço %s - gerando cardápios: %s", 2},
    {"ImpConc", "Importação concluída.", 0},
    {"ImportaOk", "Importação realizada com sucesso.", 0},
    {"Arquivo_N_Exist", "Arquivo não existe.", 0},
    {"Arquivo_Invalido", "Arquivo origem não é do tipo esperado.", 0},
    {"Serv", "Serviço", 0},
    {"Serv_Exp", "Serviços Exportados", 0},
    {"serv_vazio", "Serviço deve ser informado.", 0},
    {"Serv_Nao_Cad", "Serviço origem não exportado.", 0},
    {"Serv_Orig_Deve", "Serviço origem deve ser informado.", 0},
    {"Serv_Ja_Cad", "Serviço destino já informado.", 0},
    {"Serv_Dest_Cad", "Serviço destino não cadastrado.", 0},
    {"Serv_Dest_Deve", "Serviço destino deve ser informado.", 0},
    {"Serv_Cad_Fili", "Não há serviço cadastrado para a filial destino informada.", 0},
    {"S", "Sim", 0},
    {"N", "Não", 0},
    {"de-para", "Origem: %s --> Destino: %s", 2},
    {"tipoorig", "Tipo de Prato Origem", 0},
    {"tipodest", "Tipo de Prato Destino", 0},
    {"tp_n_exp", "Tipo de Prato não exportado.", 0},
    {"tp_n_cad", "Tipo de Prato não cadastrado.", 0},
    {"tipoexp", "Tipos de Prato Exportados", 0},
    {"tipo_deve_inf", "Tipo de Prato deve ser informado.", 0},
    {"dietorig", "Dieta Origem", 0},
    {"dietdest", "Dieta Destino", 0},
    {"diet_orig_inf", "Dieta Origem deve ser informada.", 0},
    {"diet_n_cad", "Dieta não cadastrada para o servico informado.", 0},
    {"diet_dest_inf", "Dieta Destino deve ser informada.", 0},
    {"diet_n_exp", "Dieta não exportada.", 0},
    {"dietorig_ja_cad", "Dieta Origem já cadastrada.", 0},
    {"dietexp", "Dietas Exportadas", 0},
    {"diet_vazio", "Dieta deve ser informada.", 0},
    {"deve_inf", "%s deve ser informado(a).", 1},
    {"ja_cad", "%s já cadastrado(a).", 1},
    {"canc", "Cancela operação?", 0},
    {"tipo_vazio", "Não há configuração de cardápio selecionada para o serviço.", 0},
    {"data_inf", "Data Destino deve ser informada.", 0},
    {"diasemana", "Os dias da semana das datas de origem e destino não coincidem. Confirmar operação?", 0},
    {"tporig_ja_cad", "Tipo de Prato Origem já cadastrado.", 0},
    {"naoha", "Não há", 0},
    {"sem_pratos", "Cardápios exportados não possuem pratos.", 0},
    {"uma_dieta", "É necessária a existência de pelo menos uma dieta para serviços hospitalares.", 0},
    {"read_file", "Lendo arquivo de integração...", 0},
    {"nao_ha_dieta", "Não há Seriço X Dieta Padrão cadastrado.", 0},
    {"existretirada",
     "Operação bloqueada. Não é possível sobrepor cardápios havendo retiradas para o mesmo período.", 0},
    {"DATA_INV", "Data Inicial Destino deve estar entre %s e %s.", 2},
    {"semcustopadrao", "Nem todos os serviços possuem custo padrão cadastrado.", 0},
    {"pratnotexist",
     "Operação bloqueada. Não existe o prato \"%s\" na filial %s. Realize a exportação da árvore de pratos da "
     "filial %s antes de importar o cardápio (módulo Administrador / Integração / Importação de Dados / "
     "Cadastros / Prato).",
     3},
    {"naoexport",
     "Atenção! Alguns pratos não serão incluídos no(s) cardápio(s) por terem nomes diferentes na árvore de "
     "pratos da filial %s.",
     1},
    {"orig", "Orig.:  ", 0},
    {"dest", "Dest.: ", 0},
    {"IMPO_SUCESSO", "Importação realizada com sucesso!", 0},
    {"Dt_Periodo_Ini",
     "Importação bloqueada. A primeira importação feita foi iniciada na data %s. Importações anteriores à "
     "esta data devem terminar no dia %s.",
     2},
    {"Dt_Periodo_Fin",
     "Importação bloqueada. A última importação feita termina na data %s. A próxima importação deve ser "
     "iniciada no dia %s.",
     2},
    {"Int_Bloq_Fili", "Importação de cardápio bloqueada para o modo filial. ", 0},
    {"Int_Bloq_Matriz", "Importação de cardápio bloqueada para o modo matriz.", 0},
    {"N_DADOS", "Não há dados a serm exportados.", 0},
    {"Carregando", "Importando...", 0},
};

int Placeholders(const std::string& text) {
    int count = 0;
    for (size_t at = text.find("%s"); at != std::string::npos; at = text.find("%s", at + 2)) ++count;
    return count;
}

class MessageCatalogueTest : public ScreenFixture {};

TEST_F(MessageCatalogueTest, ScreenHoldsEveryEntryInOrderWithExactText) {
    OpenScreen();
    const auto& entries = Frm().msgPadrao->Entries();
    ASSERT_EQ(entries.size(), std::size(kCatalogue));
    for (size_t i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE("entry " + std::to_string(i + 1) + " " + kCatalogue[i].key);
        EXPECT_EQ(entries[i].first, kCatalogue[i].key);
        // Exact comparison: accents, odd spellings and trailing blanks ("orig" ends in two).
        EXPECT_EQ(entries[i].second, kCatalogue[i].text);
        EXPECT_EQ(Placeholders(entries[i].second), kCatalogue[i].placeholders);
    }
}

}  // namespace
}  // namespace krd52100::testing
