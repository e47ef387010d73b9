#pragma once

#include "Platform.h"

#include <memory>

class QFileDialog;
class QMessageBox;

namespace hexlume {

// The dialogs below, built but not shown, so that what they say can be read in each language.
std::unique_ptr<QFileDialog> OpenPictureDialog(QWidget* parent, const QString& folder);
std::unique_ptr<QMessageBox> UnsavedBox(QWidget* parent, const QString& text);
std::unique_ptr<QMessageBox> YesNoBox(QWidget* parent, const QString& caption, const QString& text);

// The desktop as Qt offers it: Qt's own file dialog with a picture preview, message boxes,
// and QDesktopServices for the text editor and the browser.
class QtPlatform final : public Platform {
public:
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
