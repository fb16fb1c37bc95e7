#pragma once
// The link between one dataset and the controls that show it. It mirrors the dataset's state
// (State), passes the dataset's notifications on to its data links in registration order and
// then to its own handlers, and lets controls start an edit (Edit, honouring AutoEdit).
#include "DBTypes.h"
#include "TComponent.h"

#include <functional>
#include <vector>

class TDataLink;
class TDataSet;
class TField;

class TDataSource : public TComponent {
public:
    using TNotifyEvent = std::function<void(TDataSource* Sender)>;
    using TDataChangeEvent = std::function<void(TDataSource* Sender, TField* Field)>;

    explicit TDataSource(TComponent* owner = nullptr);
    ~TDataSource() override;

    TDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TDataSet* dataSet);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool AutoEdit = true;

    // The dataset's state as last notified; dsInactive without an enabled, open dataset.
    // Stays stale while the dataset's controls are disabled.
    TDataSetState State() const { return state_; }
    // DataSet()->Edit() when AutoEdit and State is dsBrowse.
    void Edit();

    // After the links; the state is already the new one. OnDataChange(nil) follows when the
    // previous state was dsInactive.
    TNotifyEvent OnStateChange;
    // Field for a single assignment, nullptr for record, scroll, dataset and layout changes.
    TDataChangeEvent OnDataChange;
    // When the dataset asks controls to write pending values (Post, navigation while editing).
    TNotifyEvent OnUpdateData;

    const std::vector<TDataLink*>& DataLinks() const { return links_; }

private:
    friend class TDataLink;
    friend class TDataSet;

    void AddLink(TDataLink* link);
    void RemoveLink(TDataLink* link);
    // From the dataset. Returns true when a link took the focus (deFocusControl), which stops
    // the dataset from asking further data sources.
    bool DataEvent(TDataEvent event, TField* field, int distance);
    // The dataset is being destroyed: forget it and tell the links, without user events.
    void DataSetDestroyed();
    void UpdateState();
    template <typename Callback> void ForEachLink(Callback callback);

    TDataSet* dataSet_ = nullptr;
    bool enabled_ = true;
    TDataSetState state_ = dsInactive;
    std::vector<TDataLink*> links_;
};
