// The registers of taken values (destination services, diets and dish types) stand for rows of
// the mapping tables; a load replaces those tables, so the entries of the rows it replaces go
// with them. Kept, they would refuse the same service, diet or dish type in the new file's rows.
#include "screen/TfrmIntegraCardapio.h"

#include "TClientDataSet.h"

void TfrmIntegraCardapio::EmptyTakenRegisters() {
    for (TClientDataSet* taken :
         {cdsServDestino, cdsDietaOrigAux, cdsDietaDest, cdsTipoPratOrigAux, cdsTipoPratDest}) {
        taken->Close();
        taken->CreateDataSet();
    }
}
