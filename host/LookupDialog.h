#pragma once
// The host's lookup dialog: a modal list over the rows of a data source from which the user
// picks one. The host application installs the service that shows it (the desktop client a
// searchable list, tests and headless tools a ScriptedLookups).
#include <string>
#include <vector>

class TDataSet;
class TDataSource;
class TField;

struct LookupRequest {
    TDataSet* DataSet = nullptr;  // open; its rows are listed in their current order and filter
    std::string Title;
    bool ShowHiddenFields = false;  // hidden fields are columns too
    bool Searchable = true;         // the list offers a search box that finds rows by their text
    // The value the user stands on (the focused edit's text, the focused grid's cell): the list
    // starts on the row whose first column holds it.
    std::string Current;

    // The fields shown as columns, in field order.
    std::vector<TField*> Columns() const;
};

class LookupDialogService {
public:
    virtual ~LookupDialogService() = default;
    // Shows the list and returns the display row chosen (0-based, as TDataSet::RowScope counts
    // them), or -1 when the user closed it without a choice.
    virtual int Choose(const LookupRequest& request) = 0;
};

// Installs `service` (not owned; it must outlive its use) and returns the one it replaces.
LookupDialogService* InstallLookupDialogService(LookupDialogService* service);

// Lists the rows of `source` under `title`; the flags are ShowHiddenFields and Searchable.
// Returns true with the chosen row made current (the dataset moves to it, with its scroll
// events), false when the user made no choice. Raises EDatabaseError when the source has no
// open dataset, std::logic_error when no service is installed or it answers a row that does not
// exist (a setup fault).
bool Pesquisar(TDataSource* source, const std::string& title, bool showHiddenFields, bool searchable);
