// Hexlume: looks inside Windows bitmap files.

#include "Application.h"
#include "MainForm.h"
#include "platform/QtPlatform.h"
#include "widgets/LayoutFonts.h"

int main(int argc, char** argv)
{
    hexlume::Application app(argc, argv);
    hexlume::RegisterLayoutFonts();
    hexlume::QtPlatform platform;
    app.SetErrorDisplay(&platform);

    hexlume::TMainForm MainForm(platform);
    MainForm.show();
    return app.exec();
}
