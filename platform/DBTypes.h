#pragma once
// The small shared vocabulary of the data-aware layer: dataset states, the notifications a
// dataset sends to its data sources, and the option sets of Locate, filters and indexes.
// Option sets are bit masks so that a call reads as the platform's does:
// Locate("A;B", keys, loCaseInsensitive | loPartialKey).

enum TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert, dsSetKey };

// What a dataset tells its data sources (and they their links).
enum TDataEvent {
    deFieldChange,      // one field of the current record was assigned
    deRecordChange,     // the current record as a whole changed (Edit)
    deDataSetChange,    // content, order or position changed: redraw everything
    deDataSetScroll,    // the cursor moved through the view
    deLayoutChange,     // fields or their display properties changed
    deUpdateRecord,     // controls must write pending text into the fields now
    deUpdateState,      // the dataset's state changed
    deCheckBrowseMode,  // the dataset is about to leave edit mode or move
    deFocusControl,     // a field asks the control showing it to take the focus
};

enum TLocateOption : unsigned { loCaseInsensitive = 1, loPartialKey = 2 };
using TLocateOptions = unsigned;

enum TFilterOption : unsigned { foCaseInsensitive = 1, foNoPartialCompare = 2 };
using TFilterOptions = unsigned;

enum TIndexOption : unsigned { ixPrimary = 1, ixUnique = 2, ixDescending = 4, ixCaseInsensitive = 8 };
using TIndexOptions = unsigned;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
