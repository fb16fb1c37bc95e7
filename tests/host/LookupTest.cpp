#include "BranchDatabase.h"
#include "ScriptedDialogsTest.h"
#include "ScriptedLookups.h"
#include "TADOIBQuery.h"
#include "TBtnPesquisa.h"
#include "TClientDataSet.h"
#include "TDataSource.h"
#include "TForm.h"
#include "TMaskEdit.h"
#include "TStringField.h"

#include <stdexcept>

namespace {

class Pesquisa : public ScriptedDialogsTest {};

// A list of services in an in-memory dataset, ordered by name.
class ServiceList {
public:
    ServiceList() {
        services.AddStringField("CDSERVFILI", 5, "Código");
        services.AddStringField("NMSERVICO", 40, "Nome");
        services.CreateDataSet();
        for (auto [code, name] : {std::pair{"00003", "Jantar"}, {"00001", "Almoço"}, {"00002", "Desjejum"}}) {
            services.Append();
            services.FieldByName("CDSERVFILI")->SetAsString(code);
            services.FieldByName("NMSERVICO")->SetAsString(name);
            services.Post();
        }
        services.SetIndexFieldNames("NMSERVICO");
        source.SetDataSet(&services);
    }
    TClientDataSet services{nullptr};
    TDataSource source{nullptr};
};

TEST_F(Pesquisa, TheChosenRowBecomesCurrentInTheListsOrder) {
    ScriptedLookups lookups;
    ServiceList list;
    int scrolls = 0;
    list.services.AfterScroll = [&](TDataSet*) { ++scrolls; };
    lookups.ChooseRow(1);
    ASSERT_TRUE(Pesquisar(&list.source, "Serviço", false, true));
    EXPECT_EQ(list.services.FieldByName("NMSERVICO")->AsString(), "Desjejum");
    EXPECT_GT(scrolls, 0);

    lookups.ChooseWhere("CDSERVFILI", "00003");
    ASSERT_TRUE(Pesquisar(&list.source, "Serviço", false, true));
    EXPECT_EQ(list.services.FieldByName("NMSERVICO")->AsString(), "Jantar");

    ASSERT_EQ(lookups.Shown().size(), 2u);
    EXPECT_EQ(lookups.Shown()[0].Title, "Serviço");
    EXPECT_EQ(lookups.Shown()[0].Rows, 3);
    EXPECT_TRUE(lookups.Shown()[0].Searchable);
}

TEST_F(Pesquisa, ClosingWithoutAChoiceLeavesTheCursorAlone) {
    ScriptedLookups lookups;
    ServiceList list;
    list.services.Last();
    lookups.Cancel();
    EXPECT_FALSE(Pesquisar(&list.source, "Serviço", false, true));
    EXPECT_EQ(list.services.FieldByName("NMSERVICO")->AsString(), "Jantar");
}

TEST_F(Pesquisa, SetupFaultsFailLoudly) {
    ServiceList list;
    EXPECT_THROW(Pesquisar(&list.source, "Serviço", false, true), std::logic_error);  // no service
    ScriptedLookups lookups;
    EXPECT_THROW(Pesquisar(&list.source, "Serviço", false, true), std::logic_error);  // no answer
    lookups.ChooseRow(3);
    EXPECT_THROW(Pesquisar(&list.source, "Serviço", false, true), std::logic_error);  // no such row
    list.services.Close();
    EXPECT_THROW(Pesquisar(&list.source, "Serviço", false, true), EDatabaseError);
}

// The branch lookup button of the filter panel, over the branch query of the general database.
class BranchButton : public Pesquisa {
protected:
    BranchButton() : form(nullptr), edit(&form), name(&form), button(&form), query(&form), source(&form) {
        edit.SetParent(&form);
        edit.SetEditMask("9999;0; ");
        query.SetSQL("SELECT CDFILIAL, NMFILIAL, IDCNTRRESC FROM FILIAL"
                     " WHERE (CDFILIAL = :P_CDFILIAL OR :P_TCDFILIAL = 'T')");
        query.AddStringField("CDFILIAL", 4, "Filial");
        query.AddStringField("NMFILIAL", 50, "Nome");
        query.AddStringField("IDCNTRRESC", 1)->SetVisible(false);
        source.SetDataSet(&query);
        button.Edit = &edit;
        button.Title = "Filial";
        button.DataSource = &source;
        button.EmptyListText = "Não há filial cadastrada";
        button.BeforePesq = [this](TComponent*, bool&) {
            events.push_back("before");
            query.Close();
            query.ParamByName("P_CDFILIAL").SetAsString(allBranches ? "" : "9999");
            query.ParamByName("P_TCDFILIAL").SetAsString(allBranches ? "T" : "");
            query.Open();
        };
        button.AfterPesq = [this](TComponent*) {
            events.push_back("after");
            name.SetText(query.FieldByName("NMFILIAL")->AsString());
        };
        edit.OnChange = [this](TComponent*) { events.push_back("change " + edit.Text()); };
    }

    BranchDatabase database;
    ScriptedLookups lookups;
    TForm form;
    TMaskEdit edit;
    TEdit name;
    TBtnPesquisa button;
    TADOIBQuery query;
    TDataSource source;
    bool allBranches = true;
    std::vector<std::string> events;
};

TEST_F(BranchButton, AChoiceWritesTheCodeIntoTheEditThenRunsTheAfterHook) {
    lookups.ChooseWhere("CDFILIAL", "0004");
    Application->Perform([&] { button.Click(); });
    EXPECT_EQ(edit.Text(), "0004");
    EXPECT_EQ(name.Text(), "Filial Rescindida");
    EXPECT_EQ(events, (std::vector<std::string>{"before", "change 0004", "after"}));
    ASSERT_EQ(lookups.Shown().size(), 1u);
    const ShownLookup& shown = lookups.Shown()[0];
    EXPECT_EQ(shown.Title, "Filial");
    EXPECT_EQ(shown.Rows, 3);
    EXPECT_EQ(shown.Columns, (std::vector<std::string>{"CDFILIAL", "NMFILIAL"}));  // hidden field left out
    EXPECT_TRUE(dialogs.Shown().empty());
}

TEST_F(BranchButton, NoChoiceOrNoProceedLeavesTheEditAlone) {
    edit.SetText("0002");
    events.clear();
    lookups.Cancel();
    Application->Perform([&] { button.Click(); });
    EXPECT_EQ(events, std::vector<std::string>{"before"});

    auto fill = button.BeforePesq;
    button.BeforePesq = [&](TComponent* sender, bool& proceed) {
        fill(sender, proceed);
        proceed = false;
    };
    Application->Perform([&] { button.Click(); });
    EXPECT_EQ(lookups.Shown().size(), 1u);  // the second click showed no list
    EXPECT_EQ(edit.Text(), "0002");
}

TEST_F(BranchButton, AnEmptyListShowsTheEmptyListTextAndEndsTheClick) {
    allBranches = false;
    Application->Perform([&] { button.Click(); });
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Não há filial cadastrada"});
    EXPECT_TRUE(lookups.Shown().empty());
    EXPECT_EQ(events, std::vector<std::string>{"before"});
}

}  // namespace
