#include "TComponent.h"

#include <algorithm>
#include <strings.h>

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_) owner_->Insert(this);
}

TComponent::~TComponent() {
    // Children go in reverse order of creation, so later components may still rely on
    // earlier ones while they are destroyed.
    while (!components_.empty()) delete components_.back();
    if (owner_) owner_->Remove(this);
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    auto it = std::find_if(components_.begin(), components_.end(), [&](TComponent* c) {
        return strcasecmp(c->Name().c_str(), name.c_str()) == 0;
    });
    return it == components_.end() ? nullptr : *it;
}

void TComponent::Insert(TComponent* component) { components_.push_back(component); }

void TComponent::Remove(TComponent* component) {
    components_.erase(std::remove(components_.begin(), components_.end(), component), components_.end());
}
