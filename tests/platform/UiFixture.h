#pragma once
// Shared setup of the control tests: scripted dialogs on Application, a shown form, and a trace
// that handlers append to.
#include "TApplication.h"
#include "TForm.h"
#include "TScriptedDialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class UiTest : public ::testing::Test {
protected:
    UiTest() { Application->SetDialogService(&dialogs); }
    ~UiTest() override {
        Application->SetDialogService(nullptr);
        Application->OnException = nullptr;
    }

    // Appends "<name>.Enter" / "<name>.Exit" to the trace when the control gains / loses focus.
    void TraceFocus(TWinControl& control, const std::string& name) {
        control.OnEnter = [this, name](TComponent*) { trace.push_back(name + ".Enter"); };
        control.OnExit = [this, name](TComponent*) { trace.push_back(name + ".Exit"); };
    }

    TScriptedDialogs dialogs;
    TForm form{nullptr};
    std::vector<std::string> trace;
};
