// Hexlume: looks inside Windows bitmap files.

#include "Application.h"
#include "CommandLine.h"
#include "MainForm.h"
#include "platform/QtPlatform.h"
#include "widgets/LayoutFonts.h"
#include "widgets/Translation.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kExitNoDisplay = 1;
constexpr int kExitUsage = 2;
constexpr const char* kNoDisplay =
    "hexlume: there is no display to show the window on; run it in a desktop session (or use hexlume-dump)\n";

// Without a chosen platform, X11 or Wayland, Qt would abort with its own message.
bool DisplayAvailable()
{
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

QtMessageHandler g_defaultHandler = nullptr;

// A display that is named but cannot be reached ends in a fatal message from the platform
// plugin: say it in one sentence and leave, instead of aborting.
void FatalToExit(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        if (g_defaultHandler != nullptr)
            g_defaultHandler(type, context, message);
        return;
    }
    std::fputs(kNoDisplay, stderr);
    std::_Exit(kExitNoDisplay);
}

}  // namespace

int main(int argc, char** argv)
{
    const hexlume::CommandLine line = hexlume::ParseCommandLine(argc, argv);
    switch (line.action) {
    case hexlume::CommandLine::Action::Help: std::fputs(hexlume::UsageText().data(), stdout); return 0;
    case hexlume::CommandLine::Action::Version: std::puts("hexlume " HEXLUME_VERSION); return 0;
    case hexlume::CommandLine::Action::UsageError:
        std::fprintf(stderr, "hexlume: %s\n%s", line.error.c_str(), hexlume::UsageText().data());
        return kExitUsage;
    case hexlume::CommandLine::Action::OpenWindow: break;
    }
    if (!DisplayAvailable()) {
        std::fputs(kNoDisplay, stderr);
        return kExitNoDisplay;
    }
    g_defaultHandler = qInstallMessageHandler(FatalToExit);
    hexlume::Application app(argc, argv);
    qInstallMessageHandler(g_defaultHandler);
    hexlume::UseLanguage(hexlume::LanguageFor(QLocale::system()));
    hexlume::RegisterLayoutFonts();
    hexlume::QtPlatform platform;
    app.SetErrorDisplay(&platform);

    hexlume::TMainForm MainForm(platform);
    MainForm.show();
    if (line.file)
        MainForm.OpenAtStart(QFile::decodeName(line.file->c_str()));
    return app.exec();
}
