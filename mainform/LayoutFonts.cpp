#include "LayoutFonts.h"

#include <QFont>
#include <QWidget>

#include <cmath>

namespace hexlume {

namespace {

constexpr double kLayoutDotsPerInch = 96.0;
constexpr double kPointsPerInch = 72.0;

void ApplyPixelSize(QWidget* widget)
{
    QFont font = widget->font();
    if (font.pointSizeF() <= 0)
        return;
    font.setPixelSize(static_cast<int>(std::lround(font.pointSizeF() * kLayoutDotsPerInch / kPointsPerInch)));
    widget->setFont(font);
}

}  // namespace

void RegisterLayoutFonts()
{
    QFont::insertSubstitution(QString::fromUtf8("宋体"), QStringLiteral("AR PL UMing CN"));
    QFont::insertSubstitution(QString::fromUtf8("微软雅黑"), QStringLiteral("WenQuanYi Micro Hei"));
}

void ApplyLayoutPixelSizes(QWidget* root)
{
    ApplyPixelSize(root);
    for (QWidget* child : root->findChildren<QWidget*>())
        if (child->testAttribute(Qt::WA_SetFont))
            ApplyPixelSize(child);
}

}  // namespace hexlume
