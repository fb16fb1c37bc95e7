#pragma once
// A shown form with a grid over a client dataset of three rows (CODE, NAME, QTY), the grid
// focused on the first row and column, and an edit to move the focus to.
#include "TClientDataSet.h"
#include "TDBGrid.h"
#include "TDataSource.h"
#include "TEdit.h"
#include "TIntegerField.h"
#include "TStringField.h"
#include "UiFixture.h"

class GridTest : public UiTest {
protected:
    GridTest() {
        code = cds.AddStringField("CODE", 4, "Código");
        name = cds.AddStringField("NAME", 20, "Nome");
        qty = cds.AddIntegerField("QTY", "Qtde");
        cds.CreateDataSet();
        const std::vector<std::tuple<const char*, const char*, int>> rows = {
            {"01", "Almoço", 10}, {"02", "Jantar", 20}, {"03", "Ceia", 30}};
        for (const auto& [c, n, q] : rows) {
            cds.Append();
            code->SetAsString(c);
            name->SetAsString(n);
            qty->SetAsInteger(q);
            cds.Post();
        }
        cds.First();
        source.SetDataSet(&cds);
        grid.SetParent(&form);
        grid.SetBounds(0, 0, 400, 200);
        for (const char* field : {"CODE", "NAME", "QTY"}) grid.Columns().Add()->SetFieldName(field);
        grid.SetDataSource(&source);
        other.SetParent(&form);
        form.Show();
        Application->Focus(grid);
    }

    void TraceColumns() {
        grid.OnColExit = [this](TComponent*) { trace.push_back("ColExit " + std::to_string(grid.SelectedIndex())); };
        grid.OnColEnter = [this](TComponent*) { trace.push_back("ColEnter " + std::to_string(grid.SelectedIndex())); };
    }

    std::vector<std::string> Codes() {
        std::vector<std::string> codes;
        for (cds.First(); !cds.Eof(); cds.Next()) codes.push_back(code->AsString());
        return codes;
    }

    TClientDataSet cds;
    TDataSource source;
    TStringField* code = nullptr;
    TStringField* name = nullptr;
    TIntegerField* qty = nullptr;
    TDBGrid grid{&form};
    TEdit other{&form};
};
