#include "TMessages.h"

#include "SysUtils.h"
#include "Text.h"

void TMessages::Add(const std::string& key, const std::string& text) {
    if (Contains(key)) throw Exception("Mensagem '" + key + "' repetida no catálogo.");
    entries_.emplace_back(key, text);
}

void TMessages::AddLine(const std::string& line) {
    auto bar = line.find('|');
    if (bar == std::string::npos) throw Exception("Linha do catálogo de mensagens sem '|': " + line);
    Add(line.substr(0, bar), line.substr(bar + 1));
}

const std::string& TMessages::Msg(const std::string& key) const {
    if (const std::string* text = Find(key)) return *text;
    throw Exception("Mensagem '" + key + "' não encontrada no catálogo.");
}

const std::string* TMessages::Find(const std::string& key) const {
    for (const auto& [entryKey, text] : entries_)
        if (AnsiSameText(entryKey, key)) return &text;
    return nullptr;
}
