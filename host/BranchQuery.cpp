#include "BranchQuery.h"

#include "ErrorReporting.h"
#include "FocusBack.h"
#include "TADOIBQuery.h"
#include "TField.h"
#include "TMaskEdit.h"
#include "TMessages.h"
#include "TextRoutines.h"
#include "TStringField.h"

TADOIBQuery* MakeBranchQuery(TComponent* owner) {
    auto* query = new TADOIBQuery(owner);
    query->SetName("qryFilial");
    query->SetSQL("SELECT CDFILIAL, NMFILIAL, IDCNTRRESC\n"
                  "  FROM FILIAL\n"
                  " WHERE (CDFILIAL = :P_CDFILIAL OR :P_TCDFILIAL = 'T') ");
    query->ParamByName("P_CDFILIAL").SetAsString("");
    query->ParamByName("P_TCDFILIAL").SetAsString("");
    query->SetReadOnly(true);
    query->AddStringField("CDFILIAL", 4, "Filial")->SetDisplayWidth(5);
    query->AddStringField("NMFILIAL", 50, "Nome");
    query->AddStringField("IDCNTRRESC", 1)->SetVisible(false);
    return query;
}

void OpenBranches(TADOIBQuery& query, const std::string& code, const std::string& all) {
    query.Close();
    query.ParamByName("P_CDFILIAL").SetAsString(code);
    query.ParamByName("P_TCDFILIAL").SetAsString(all);
    query.Open();
}

std::optional<std::string> CheckBranch(TADOIBQuery& query, TMaskEdit& code, const TMessages& messages,
                                       bool required) {
    try {
        const bool empty = EmptyString(code.Text());
        code.SetText(Ajusta(code.Text(), 4));
        if (empty) {
            if (required) MensErro(messages.Msg("Filial_Deve"), true);
            return std::nullopt;
        }
        OpenBranches(query, code.Text(), "");
        if (query.IsEmpty()) MensErro(messages.Msg("Filial_N_Cad"), true);
        if (query.FieldByName("IDCNTRRESC")->AsString() == "S") MensErro(messages.Msg("Filial_Resc"), true);
        return query.FieldByName("NMFILIAL")->AsString();
    } catch (...) {
        FocusBack(code);
        throw;
    }
}
