#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace hexlume {

// The one seam to the desktop: every modal dialog and every program the window starts goes
// through here, so tests can script the answers and never block on a modal.
class Platform {
public:
    // What to do with edits not yet saved before they would go.
    enum class UnsavedAnswer { Save, Discard, Cancel };

    virtual ~Platform() = default;

    // The open-picture dialog; nullopt when the user cancels.
    virtual std::optional<QString> AskOpenPicture(QWidget* parent, const QString& folder,
                                                  const QString& lastFile) = 0;
    // The save-as dialog, starting at `suggested`; nullopt when the user cancels.
    virtual std::optional<QString> AskSavePath(QWidget* parent, const QString& suggested) = 0;
    // Save, Discard or Cancel about edits not yet saved; Cancel when the question is closed.
    virtual UnsavedAnswer AskUnsaved(QWidget* parent, const QString& text) = 0;
    // The Yes/No question with No as the default; true for Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) = 0;
    // A plain message with one OK button.
    virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
    // An error box (error icon, OK) under the application's name: a file the open command cannot
    // read (its path and the reason), or an error that escaped an event handler.
    virtual void ShowError(const QString& text) = 0;
    // Opens the file in the desktop's text editor without waiting; false when it could not start.
    virtual bool StartTextEditor(const QString& filePath) = 0;
    // Opens the address in the default browser without waiting; false when it could not start.
    virtual bool OpenUrl(const QString& url) = 0;
};

}  // namespace hexlume
