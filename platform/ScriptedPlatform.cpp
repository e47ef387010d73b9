#include "ScriptedPlatform.h"

namespace hexlume {

namespace {

bool TakeAnswer(std::deque<bool>& queue)
{
    if (queue.empty())
        return false;
    const bool answer = queue.front();
    queue.pop_front();
    return answer;
}

}  // namespace

std::optional<QString> ScriptedPlatform::AskOpenPicture(QWidget*, const QString& folder, const QString&)
{
    openFolders << folder;
    const QString answer = openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
    return answer.isNull() ? std::nullopt : std::optional<QString>(answer);
}

std::optional<QString> ScriptedPlatform::AskSavePath(QWidget*, const QString& suggested)
{
    saveSuggestions << suggested;
    const QString answer = saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    return answer.isNull() ? std::nullopt : std::optional<QString>(answer);
}

Platform::UnsavedAnswer ScriptedPlatform::AskUnsaved(QWidget*, const QString& text)
{
    unsavedQuestions << text;
    if (unsavedAnswers.empty())
        return UnsavedAnswer::Cancel;
    const UnsavedAnswer answer = unsavedAnswers.front();
    unsavedAnswers.pop_front();
    return answer;
}

bool ScriptedPlatform::AskYesNo(QWidget*, const QString& caption, const QString& text)
{
    questions << caption + '\n' + text;
    if (duringQuestion)
        duringQuestion();
    return TakeAnswer(yesNoAnswers);
}

void ScriptedPlatform::ShowMessage(QWidget*, const QString& text)
{
    messages << text;
}

void ScriptedPlatform::ShowError(const QString& text)
{
    errors << text;
}

bool ScriptedPlatform::StartTextEditor(const QString& filePath)
{
    editorFiles << filePath;
    return editorStarts;
}

bool ScriptedPlatform::OpenUrl(const QString& url)
{
    urls << url;
    return browserStarts;
}

}  // namespace hexlume
