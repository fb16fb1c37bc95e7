#include "TIndexDefs.h"

#include "Text.h"

void TIndexDefs::Add(std::string name, std::string fields, TIndexOptions options) {
    for (TIndexDef& def : defs_) {
        if (!AnsiSameText(def.Name, name)) continue;
        def = TIndexDef{std::move(name), std::move(fields), options};
        return;
    }
    defs_.push_back(TIndexDef{std::move(name), std::move(fields), options});
}

const TIndexDef* TIndexDefs::Find(std::string_view name) const {
    for (const TIndexDef& def : defs_)
        if (AnsiSameText(def.Name, name)) return &def;
    return nullptr;
}
