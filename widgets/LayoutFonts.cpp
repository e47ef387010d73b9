#include "LayoutFonts.h"

#include <QFont>
#include <QVariant>
#include <QWidget>

#include <cmath>

namespace hexlume {

namespace {

constexpr double kLayoutDotsPerInch = 96.0;
constexpr double kPointsPerInch = 72.0;

// A layout stores whole points only; a pixel size that no whole point gives (14 px) is stored
// beside the font as this property.
constexpr const char* kPixelSizeProperty = "layoutPixelSize";

void ApplyPixelSize(QWidget* widget)
{
    QFont font = widget->font();
    if (font.pointSizeF() <= 0)
        return;
    const QVariant stored = widget->property(kPixelSizeProperty);
    font.setPixelSize(stored.isValid()
                          ? stored.toInt()
                          : static_cast<int>(std::lround(font.pointSizeF() * kLayoutDotsPerInch / kPointsPerInch)));
    widget->setFont(font);
}

}  // namespace

void RegisterLayoutFonts()
{
    QFont::insertSubstitution(QString::fromUtf8("宋体"), QStringLiteral("AR PL UMing CN"));
    QFont::insertSubstitution(QString::fromUtf8("微软雅黑"), QStringLiteral("WenQuanYi Micro Hei"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("DejaVu Sans Mono"));
}

void ApplyLayoutPixelSizes(QWidget* root)
{
    ApplyPixelSize(root);
    for (QWidget* child : root->findChildren<QWidget*>())
        if (child->testAttribute(Qt::WA_SetFont))
            ApplyPixelSize(child);
}

}  // namespace hexlume
