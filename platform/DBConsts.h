#pragma once
// The data layer's error texts, in one place, as the platform localized for the session's
// language (Brazilian Portuguese) words them.
namespace dbconsts {
inline constexpr const char* ClosedDataSet = "Não é possível executar esta operação em um dataset fechado";
inline constexpr const char* OpenDataSet = "Não é possível executar esta operação em um dataset aberto";
inline constexpr const char* EmptyDataSet = "Não é possível executar esta operação em um dataset vazio";
inline constexpr const char* NotEditing = "Dataset não está em modo de edição ou inserção";
inline constexpr const char* ReadOnlyDataSet = "Não é possível modificar um dataset somente leitura";
inline constexpr const char* FieldNotFound = "Campo '%s' não encontrado";          // field name
inline constexpr const char* FieldRequired = "Campo '%s' deve ter um valor";       // display name
inline constexpr const char* FieldReadOnly = "Campo '%s' não pode ser modificado"; // display name
inline constexpr const char* IndexNotFound = "Índice '%s' não encontrado";
inline constexpr const char* NoActiveIndex = "Nenhum índice ativo no momento";
inline constexpr const char* NoFieldDefs = "Falta o provedor de dados ou o pacote de dados";
inline constexpr const char* RowViewOnly = "Os campos de uma linha pintada são somente leitura";
inline constexpr const char* FieldsWhileOpen =
    "Não é possível incluir ou excluir campos de um dataset aberto";
} // namespace dbconsts
