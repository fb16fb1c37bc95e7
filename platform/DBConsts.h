#pragma once
// The data layer's error texts, in one place (the platform's English resource strings).
namespace dbconsts {
inline constexpr const char* ClosedDataSet = "Cannot perform this operation on a closed dataset";
inline constexpr const char* OpenDataSet = "Cannot perform this operation on an open dataset";
inline constexpr const char* EmptyDataSet = "Cannot perform this operation on an empty dataset";
inline constexpr const char* NotEditing = "Dataset not in edit or insert mode";
inline constexpr const char* ReadOnlyDataSet = "Cannot modify a read-only dataset";
inline constexpr const char* FieldNotFound = "Field '%s' not found";        // field name
inline constexpr const char* FieldRequired = "Field '%s' must have a value"; // display name
inline constexpr const char* FieldReadOnly = "Field '%s' cannot be modified"; // display name
inline constexpr const char* IndexNotFound = "Index '%s' not found";
inline constexpr const char* NoActiveIndex = "No index currently active";
inline constexpr const char* NoFieldDefs = "Missing data provider or data packet";
inline constexpr const char* RowViewOnly = "Fields of a painted row are read-only";
inline constexpr const char* FieldsWhileOpen = "Cannot add or remove fields of an open dataset";
} // namespace dbconsts
