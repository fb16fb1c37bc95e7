#include "TDBNavigator.h"

#include "TDataSet.h"
#include "TDataSource.h"

void TDBNavigator::BtnClick(TNavigateBtn button) {
    if (!Enabled() || !VisibleButtons.Contains(button) || !DataSource) return;
    TDataSet* dataSet = DataSource->DataSet();
    if (!dataSet || !dataSet->Active()) return;
    switch (button) {
    case nbFirst: dataSet->First(); break;
    case nbPrior: dataSet->Prior(); break;
    case nbNext: dataSet->Next(); break;
    case nbLast: dataSet->Last(); break;
    }
}
