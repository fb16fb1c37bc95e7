#pragma once
// The branches of the host's general database (table FILIAL) as the screens ask for them: one
// query, named qryFilial, that serves both the check of one code and the list of every branch
// for the branch lookup (code and name shown, the rescission flag IDCNTRRESC hidden).
#include <optional>
#include <string>

class TADOIBQuery;
class TComponent;
class TMaskEdit;
class TMessages;

TADOIBQuery* MakeBranchQuery(TComponent* owner);

// Opens the query on the branch of that code, or on every branch when `all` is "T".
void OpenBranches(TADOIBQuery& query, const std::string& code, const std::string& all);

// Checks the branch code typed into `code`, first bringing it to its stored form (so that "3"
// finds branch "0003"). An empty code is refused with the catalogue's Filial_Deve when
// `required`, else passes with no name (std::nullopt); a code of no branch is refused with
// Filial_N_Cad, a rescinded branch with Filial_Resc. A refusal shows its message, puts the
// focus back on the code and raises EAbort. Gives the branch's name.
std::optional<std::string> CheckBranch(TADOIBQuery& query, TMaskEdit& code, const TMessages& messages,
                                       bool required);
