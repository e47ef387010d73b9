#pragma once

#include <QApplication>

namespace hexlume {

class Platform;

// The application object. An error that escapes any event handler is shown once in a
// critical message box under the application's name, and the program goes on.
class Application final : public QApplication {
public:
    Application(int& argc, char** argv);

    void SetErrorDisplay(Platform* platform) { m_platform = platform; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    Platform* m_platform = nullptr;
};

}  // namespace hexlume
