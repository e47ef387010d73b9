#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class QPlainTextEdit;

namespace Ui {
class TFQForm;
}

namespace hexlume {

class Platform;

// The help window: what the tool is for, how to use it, who made it, a link to its web page,
// and on request a guide to the keys and windows. Built fresh for every opening, borderless, on
// top, in the colour it is given, its texts in a colour that reads there.
class TFQForm : public QDialog {
    Q_OBJECT

public:
    TFQForm(Platform& platform, QWidget* owner, const QColor& color);
    TFQForm(Platform& platform, QWidget* owner);
    ~TFQForm() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void CreateGuide(const QPalette& linkPalette);
    void ShowGuide(bool shown);
    void ShowOKNormal();
    void ShowOKHover();
    void Button1Click();
    void StaticText1Click();

    std::unique_ptr<Ui::TFQForm> ui;
    Platform& m_platform;
    QPlainTextEdit* m_guide = nullptr;
    QLabel* m_guideLink = nullptr;
};

}  // namespace hexlume
