#pragma once
// The message component of a screen (msgPadrao): a catalogue of texts by key, kept in the order
// they were added. Code holds only keys and asks for the text when it needs it, so the texts
// can change without touching the logic. Texts are kept exactly, trailing blanks included.
//
// Keys are matched ignoring letter case ("serv_vazio" and "SERV_VAZIO" are one key), as the
// platform matches names. Asking for a key the catalogue lacks is a programming error: Msg
// raises Exception naming the key, which the host's exception handler shows once, rather than
// showing the user an empty box.
#include "TComponent.h"

#include <string>
#include <utility>
#include <vector>

class TMessages : public TComponent {
public:
    explicit TMessages(TComponent* owner = nullptr) : TComponent(owner) {}

    // Adds an entry; a key already present (in any letter case) raises Exception.
    void Add(const std::string& key, const std::string& text);
    // Adds an entry from a catalogue line "key|text": the key is everything before the first
    // vertical bar, the text everything after it. A line without a bar raises Exception.
    void AddLine(const std::string& line);
    void Clear() { entries_.clear(); }

    // The text of the entry with that key.
    const std::string& Msg(const std::string& key) const;
    bool Contains(const std::string& key) const { return Find(key) != nullptr; }
    int Count() const { return static_cast<int>(entries_.size()); }
    // The entries in the order they were added: (key, text).
    const std::vector<std::pair<std::string, std::string>>& Entries() const { return entries_; }

private:
    const std::string* Find(const std::string& key) const;

    std::vector<std::pair<std::string, std::string>> entries_;
};
