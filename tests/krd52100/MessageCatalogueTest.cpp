// The texts the screen shows come from its catalogue, so a wrong entry shows up in front of the
// user: every key and text, placeholders included, is checked against the product's list, on the
// catalogue the opened screen actually holds.
#include "ScreenFixture.h"

#include "TMessages.h"

namespace krd52100::testing {
namespace {

struct Entry {
    const char* key;
    const char* text;
};

const Entry kCatalogue[] = {
    {"Filial_Deve", "Filial deve ser informada."},
    {"Filial_N_Cad", "Filial não cadastrada."},
    {"Filial_Resc", "Filial com contrato rescindido."},
    {"Arquivo_Deve", "Arquivo origem deve ser informado."},
    {"Diretorio_N_Exist", "Diretório não existe."},
    {"Arqui_Car", "Carregando arquivo..."},
    {"Import", "Importando serviço %s - gerando cardápios: %s"},
    {"ImpConc", "Importação concluída."},
    {"ImportaOk", "Importação realizada com sucesso."},
    {"Arquivo_N_Exist", "Arquivo não existe."},
    {"Arquivo_Invalido", "Arquivo origem não é do tipo esperado."},
    {"Serv", "Serviço"},
    {"Serv_Exp", "Serviços Exportados"},
    {"serv_vazio", "Serviço deve ser informado."},
    {"Serv_Nao_Cad", "Serviço origem não exportado."},
    {"Serv_Orig_Deve", "Serviço origem deve ser informado."},
    {"Serv_Ja_Cad", "Serviço destino já informado."},
    {"Serv_Dest_Cad", "Serviço destino não cadastrado."},
    {"Serv_Dest_Deve", "Serviço destino deve ser informado."},
    {"Serv_Cad_Fili", "Não há serviço cadastrado para a filial destino informada."},
    {"S", "Sim"},
    {"N", "Não"},
    {"de-para", "Origem: %s --> Destino: %s"},
    {"tipoorig", "Tipo de Prato Origem"},
    {"tipodest", "Tipo de Prato Destino"},
    {"tp_n_exp", "Tipo de Prato não exportado."},
    {"tp_n_cad", "Tipo de Prato não cadastrado."},
    {"tipoexp", "Tipos de Prato Exportados"},
    {"tipo_deve_inf", "Tipo de Prato deve ser informado."},
    {"dietorig", "Dieta Origem"},
    {"dietdest", "Dieta Destino"},
    {"diet_orig_inf", "Dieta Origem deve ser informada."},
    {"diet_n_cad", "Dieta não cadastrada para o servico informado."},
    {"diet_dest_inf", "Dieta Destino deve ser informada."},
    {"diet_n_exp", "Dieta não exportada."},
    {"dietorig_ja_cad", "Dieta Origem já cadastrada."},
    {"dietexp", "Dietas Exportadas"},
    {"diet_vazio", "Dieta deve ser informada."},
    {"deve_inf", "%s deve ser informado(a)."},
    {"ja_cad", "%s já cadastrado(a)."},
    {"canc", "Cancela operação?"},
    {"tipo_vazio", "Não há configuração de cardápio selecionada para o serviço."},
    {"data_inf", "Data Destino deve ser informada."},
    {"diasemana", "Os dias da semana das datas de origem e destino não coincidem. Confirmar operação?"},
    {"tporig_ja_cad", "Tipo de Prato Origem já cadastrado."},
    {"naoha", "Não há"},
    {"sem_pratos", "Cardápios exportados não possuem pratos."},
    {"uma_dieta", "É necessária a existência de pelo menos uma dieta para serviços hospitalares."},
    {"read_file", "Lendo arquivo de integração..."},
    {"nao_ha_dieta", "Não há Seriço X Dieta Padrão cadastrado."},
    {"existretirada",
     "Operação bloqueada. Não é possível sobrepor cardápios havendo retiradas para o mesmo período."},
    {"DATA_INV", "Data Inicial Destino deve estar entre %s e %s."},
    {"semcustopadrao", "Nem todos os serviços possuem custo padrão cadastrado."},
    {"pratnotexist",
     "Operação bloqueada. Não existe o prato \"%s\" na filial %s. Realize a exportação da árvore de pratos da "
     "filial %s antes de importar o cardápio (módulo Administrador / Integração / Importação de Dados / "
     "Cadastros / Prato)."},
    {"naoexport",
     "Atenção! Alguns pratos não serão incluídos no(s) cardápio(s) por terem nomes diferentes na árvore de "
     "pratos da filial %s."},
    {"orig", "Orig.:  "},
    {"dest", "Dest.: "},
    {"IMPO_SUCESSO", "Importação realizada com sucesso!"},
    {"Dt_Periodo_Ini",
     "Importação bloqueada. A primeira importação feita foi iniciada na data %s. Importações anteriores à "
     "esta data devem terminar no dia %s."},
    {"Dt_Periodo_Fin",
     "Importação bloqueada. A última importação feita termina na data %s. A próxima importação deve ser "
     "iniciada no dia %s."},
    {"Int_Bloq_Fili", "Importação de cardápio bloqueada para o modo filial. "},
    {"Int_Bloq_Matriz", "Importação de cardápio bloqueada para o modo matriz."},
    {"N_DADOS", "Não há dados a serm exportados."},
    {"Carregando", "Importando..."},
};

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
    }
}

}  // namespace
}  // namespace krd52100::testing
