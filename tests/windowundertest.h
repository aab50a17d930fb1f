#pragma once

#include "mainwindow.h"
#include "scripteddialogs.h"
#include "ui_mainwindow.h"

#include <memory>

// A window whose questions are answered by a script, with its widgets at hand.
struct WindowUnderTest
{
    std::unique_ptr<MainWindow> window;
    ScriptedDialogs *dialogs = nullptr;
    Ui_MainWindow *ui = nullptr;

    static WindowUnderTest make()
    {
        auto scripted = std::make_unique<ScriptedDialogs>();
        WindowUnderTest w;
        w.dialogs = scripted.get();
        w.window = std::make_unique<MainWindow>(std::move(scripted));
        w.ui = w.window->ui;
        return w;
    }
};
