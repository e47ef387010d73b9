// The window tests need one QApplication for the whole run, so gtest_main cannot be used.

#include "mainform/Application.h"
#include "widgets/LayoutFonts.h"
#include "widgets/Translation.h"

#include <QByteArray>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // No display is needed unless the caller chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    ::testing::InitGoogleTest(&argc, argv);
    hexlume::Application app(argc, argv);
    hexlume::UseSourceTexts();
    hexlume::RegisterLayoutFonts();
    return RUN_ALL_TESTS();
}
