#pragma once
// A fixture that answers the application's dialogs from a script for the length of a test.
#include "TApplication.h"
#include "TScriptedDialogs.h"

#include <gtest/gtest.h>

class ScriptedDialogsTest : public ::testing::Test {
protected:
    void SetUp() override { Application->SetDialogService(&dialogs); }
    void TearDown() override {
        Application->ProcessMessages();
        Application->SetDialogService(nullptr);
    }

    TScriptedDialogs dialogs;
};
