#pragma once

#include "Platform.h"

#include <QStringList>

#include <deque>
#include <functional>

namespace hexlume {

// A platform for tests: answers come from queues set up beforehand, and every call is
// recorded, so a test drives the real window without ever blocking on a modal dialog.
class ScriptedPlatform final : public Platform {
public:
    // Answers, consumed front first. A null string, like an empty queue, cancels the open
    // dialog; an empty Yes/No queue answers No.
    QStringList openAnswers;
    std::deque<bool> yesNoAnswers;
    bool editorStarts = true;
    // Runs while a Yes/No question is "on screen", before it is answered.
    std::function<void()> duringQuestion;
    bool browserStarts = true;
    // Like openAnswers, for the save dialog.
    QStringList saveAnswers;
    // An empty queue answers Cancel.
    std::deque<UnsavedAnswer> unsavedAnswers;

    // What the window asked for.
    QStringList openFolders;  // the folder each open dialog started in
    QStringList questions;    // caption + '\n' + text of each Yes/No question
    QStringList saveSuggestions;    // the path each save dialog started at
    QStringList unsavedQuestions;
    QStringList messages;
    QStringList errors;
    QStringList editorFiles;
    QStringList urls;

    std::optional<QString> AskOpenPicture(QWidget* parent, const QString& folder, const QString& lastFile) override;
    std::optional<QString> AskSavePath(QWidget* parent, const QString& suggested) override;
    UnsavedAnswer AskUnsaved(QWidget* parent, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) override;
    void ShowMessage(QWidget* parent, const QString& text) override;
    void ShowError(const QString& text) override;
    bool StartTextEditor(const QString& filePath) override;
    bool OpenUrl(const QString& url) override;
};

}  // namespace hexlume
