#pragma once
// A screen with the demo file loaded into the branch that registers everything under codes of
// its own, for the tests of the configuration tab: the dish-type rows read whole (whatever
// filter the table has) and the gestures of that tab. The hospital dish types are paired by name
// (origin -> destination): 01 Entrada -> 14, 02 Prato Principal -> 06 (slots 2 and 3), 03
// Guarnição -> 23, 04 Sobremesa -> 09, 05 Bebida -> 31; destination names in capitals.
#include "ScreenFixture.h"

#include "ControlRoutines.h"
#include "DataPacket.h"
#include "TApplication.h"
#include "TClientDataSet.h"
#include "TCustomPageControl98.h"
#include "TDBGrid.h"
#include "TField.h"
#include "TDateEditPlus.h"
#include "TInplaceEdit.h"
#include "TTabSheet98.h"

#include <map>
#include <string>

namespace krd52100::testing {

class DishTypeScreen : public ScreenFixture {
protected:
    // The demo week's dish types, as the file carries them for the hospital services.
    static constexpr const char* kHospital = "00001";
    static constexpr const char* kLunch = "00002";
    static constexpr const char* kDinner = "00003";
    // The same services at the destination.
    static constexpr const char* kHospitalThere = "00071";
    static constexpr const char* kLunchThere = "00052";
    static constexpr const char* kDinnerThere = "00038";

    void LoadAndOpen() {
        OpenScreen();
        LoadDemoFileIntoDestination();
        ASSERT_TRUE(Frm().cdsTipoPrat->Active()) << "the load did not fill the dish types";
    }

    void ShowTab(TTabSheet98* page) {
        TfrmIntegraCardapio& frm = Frm();
        Application->Perform([&] { frm.pgcPadrao->ClickTab(page); });
    }
    void ShowConfig() { ShowTab(Frm().tshConfig); }
    // The load, the configuration tab and the focus in its grid, as a user reaches them.
    void WorkOnTheGrid() {
        LoadAndOpen();
        ShowConfig();
        Focus(Grid());
    }
    TDBGrid& Grid() { return *Frm().dbgTipoPrat; }
    TClientDataSet& Rows() { return *Frm().cdsTipoPrat; }
    void GoToColumn(const char* field) {
        Application->Perform([&] { Grid().SetSelectedIndex(IndiceCol(&Grid(), field)); });
    }

    // One row of cdsTipoPrat, by origin service, sequence and code, whatever filter is on.
    std::map<std::string, Variant> Row(const std::string& service, int sequence, const std::string& code) {
        const DataPacket packet = Frm().cdsTipoPrat->GetData().AsPacket();
        for (size_t i = 0; i < packet.Rows.size(); ++i) {
            if (packet.Value(i, "CDSERVORIG").AsString() == service &&
                packet.Value(i, "NRSEQORIG").AsInteger() == sequence && packet.Value(i, "CDTIPOORIG").AsString() == code) {
                std::map<std::string, Variant> row;
                for (size_t f = 0; f < packet.Fields.size(); ++f) row[packet.Fields[f].Name] = packet.Rows[i].Values[f];
                return row;
            }
        }
        ADD_FAILURE() << "no dish-type row " << service << "/" << sequence << "/" << code;
        return {};
    }

    // Changes fields of one row of cdsTipoPrat directly, as a setup step (the row is posted).
    void SetRow(const std::string& service, int sequence, const std::string& code,
                const std::map<std::string, Variant>& values) {
        TClientDataSet& rows = *Frm().cdsTipoPrat;
        Application->Perform([&] {
            rows.SetFiltered(false);
            ASSERT_TRUE(rows.Locate("CDSERVORIG;NRSEQORIG;CDTIPOORIG", VarArrayOf({service, sequence, code})));
            rows.Edit();
            for (const auto& [field, value] : values) rows.FieldByName(field)->SetValue(value);
            rows.Post();
        });
    }

    // Entries of a register, as "service/code/sequence" texts.
    static std::vector<std::string> Entries(TClientDataSet& taken, const char* sequenceField) {
        std::vector<std::string> entries;
        const DataPacket packet = taken.GetData().AsPacket();
        for (size_t i = 0; i < packet.Rows.size(); ++i)
            entries.push_back(packet.Value(i, "CDSERVFILI").AsString() + "/" + packet.Value(i, "CDTIPOPRAT").AsString() +
                              "/" + packet.Value(i, sequenceField).AsString());
        std::sort(entries.begin(), entries.end());
        return entries;
    }
    std::vector<std::string> OriginEntries() { return Entries(*Frm().cdsTipoPratOrigAux, "NRSEQCNFMES"); }
    std::vector<std::string> DestinationEntries() { return Entries(*Frm().cdsTipoPratDest, "NRSEQDEST"); }
};

}  // namespace krd52100::testing
