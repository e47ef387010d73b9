#include "QtPlatform.h"

#include "picture/PreviewPicture.h"
#include "widgets/Translation.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGridLayout>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QUrl>

namespace hexlume {

namespace {

// The bitmap filter: the description (as the window has always shown it, in Chinese), then Qt's pattern.
QString PictureFilter()
{
    return QCoreApplication::translate("QtPlatform", "位图文件（*.bmp）") + QStringLiteral(" (*.bmp)");
}
constexpr QSize kPreviewSize(160, 160);

// The selected file as the window's preview would draw it, by our decoder: a damaged file
// shows its stand-ins, or why there is no picture. The file is mapped, not read, and the
// decoder touches only the rows the small drawing needs, so a large bitmap does not stall the
// dialog.
void ShowPreviewOf(QLabel* preview, const QString& path)
{
    preview->clear();
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly) || file.size() == 0)
        return;
    const uchar* bytes = file.map(0, file.size());
    if (bytes == nullptr)
        return;
    const DrawnPicture drawn = DrawFitted(format::Bytes(bytes, static_cast<std::size_t>(file.size())), kPreviewSize);
    if (drawn.image.isNull())
        preview->setText(Say(drawn.reason));
    else
        preview->setPixmap(QPixmap::fromImage(drawn.image));
}

// A pane beside the file list that shows the selected picture.
void AddPreviewPane(QFileDialog& dialog)
{
    auto* layout = qobject_cast<QGridLayout*>(dialog.layout());
    if (layout == nullptr)
        return;
    auto* preview = new QLabel(&dialog);
    preview->setFixedSize(kPreviewSize);
    preview->setAlignment(Qt::AlignCenter);
    preview->setWordWrap(true);
    preview->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(preview, 0, layout->columnCount(), layout->rowCount(), 1);
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview,
                     [preview](const QString& path) { ShowPreviewOf(preview, path); });
}

}  // namespace

std::unique_ptr<QFileDialog> OpenPictureDialog(QWidget* parent, const QString& folder)
{
    auto dialog = std::make_unique<QFileDialog>(parent, QString(), folder, PictureFilter());
    dialog->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    AddPreviewPane(*dialog);
    return dialog;
}

std::unique_ptr<QMessageBox> UnsavedBox(QWidget* parent, const QString& text)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Warning, QApplication::applicationName(), text,
                                             QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box->setDefaultButton(QMessageBox::Save);
    box->setEscapeButton(QMessageBox::Cancel);
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

std::unique_ptr<QMessageBox> YesNoBox(QWidget* parent, const QString& caption, const QString& text)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Question, caption, text,
                                             QMessageBox::Yes | QMessageBox::No, parent);
    box->setDefaultButton(QMessageBox::No);
    box->setWindowModality(Qt::ApplicationModal);  // no second open can start inside this one
    return box;
}

std::optional<QString> QtPlatform::AskOpenPicture(QWidget* parent, const QString& folder, const QString& lastFile)
{
    const std::unique_ptr<QFileDialog> dialog = OpenPictureDialog(parent, folder);
    if (!lastFile.isEmpty())
        dialog->selectFile(lastFile);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().constFirst();
}

// The replace question is the Save As command's own: SaveDocument refuses the opened file.
std::optional<QString> QtPlatform::AskSavePath(QWidget* parent, const QString& suggested)
{
    QFileDialog dialog(parent, QCoreApplication::translate("QtPlatform", "Save As"), suggested, PictureFilter());
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

Platform::UnsavedAnswer QtPlatform::AskUnsaved(QWidget* parent, const QString& text)
{
    switch (UnsavedBox(parent, text)->exec()) {
    case QMessageBox::Save: return UnsavedAnswer::Save;
    case QMessageBox::Discard: return UnsavedAnswer::Discard;
    default: return UnsavedAnswer::Cancel;
    }
}

bool QtPlatform::AskYesNo(QWidget* parent, const QString& caption, const QString& text)
{
    return YesNoBox(parent, caption, text)->exec() == QMessageBox::Yes;
}

void QtPlatform::ShowMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok, parent);
    box.exec();
}

void QtPlatform::ShowError(const QString& text)
{
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), text);
}

bool QtPlatform::StartTextEditor(const QString& filePath)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(filePath));
}

bool QtPlatform::OpenUrl(const QString& url)
{
    return QDesktopServices::openUrl(QUrl(url));
}

}  // namespace hexlume
