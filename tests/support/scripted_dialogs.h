#pragma once

#include "platform/dialogs.h"

#include <QList>
#include <QStringList>
#include <gtest/gtest.h>
#include <optional>

// Answers the common dialogs from a script and records what each was asked with; a dialog
// without a scripted answer is a test failure and is treated as cancelled.
struct ScriptedDialogs : platform::Dialogs {
    QList<std::optional<QString>> files;                 // answers of openFile, in order
    QList<std::optional<platform::ColourValue>> colours; // answers of pickColour, in order
    QStringList fileFolders;                             // the folder each openFile started in
    QList<platform::ColourValue> colourStarts;           // the colour each pickColour started with
    QList<std::optional<QString>> savePaths;             // answers of saveFile, in order
    QStringList saveSuggestions;                         // the path each saveFile suggested
    QStringList openedFolders;                           // each folder shown by openFolder
    bool folderOpens = true;                             // what openFolder answers

    std::optional<QString> openFile(const QString& title, const QString& folder,
                                    const QString&) override {
        fileFolders << folder;
        if (files.isEmpty()) {
            ADD_FAILURE() << "unexpected file dialog: " << title.toStdString();
            return std::nullopt;
        }
        return files.takeFirst();
    }

    std::optional<QString> saveFile(const QString& title, const QString& path,
                                    const QString&) override {
        saveSuggestions << path;
        if (savePaths.isEmpty()) {
            ADD_FAILURE() << "unexpected save dialog: " << title.toStdString();
            return std::nullopt;
        }
        return savePaths.takeFirst();
    }

    bool openFolder(const QString& folder) override {
        openedFolders << folder;
        return folderOpens;
    }

    std::optional<platform::ColourValue> pickColour(platform::ColourValue current) override {
        colourStarts << current;
        if (colours.isEmpty()) {
            ADD_FAILURE() << "unexpected colour dialog";
            return std::nullopt;
        }
        return colours.takeFirst();
    }
};
