#include "Application.h"

#include "platform/Platform.h"

#include <exception>

namespace hexlume {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Hexlume"));
    setApplicationDisplayName(QStringLiteral("Hexlume"));
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    QString message;
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        message = QString::fromUtf8(error.what());
    } catch (...) {
        message = QString();  // an error without a message, shown all the same
    }
    if (m_platform != nullptr)
        m_platform->ShowError(message);
    return false;
}

}  // namespace hexlume
