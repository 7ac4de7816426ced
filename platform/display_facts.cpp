#include "platform/display_facts.h"

#include <QGuiApplication>
#include <QPrinterInfo>
#include <QScreen>

#include <cmath>

namespace Registry {

namespace {

std::optional<DisplayFacts>& DisplayOverride()
{
    static std::optional<DisplayFacts> facts;
    return facts;
}

std::optional<QString>& PrinterOverride()
{
    static std::optional<QString> name;
    return name;
}

} // namespace

std::optional<DisplayFacts> CurrentDisplayFacts()
{
    if (DisplayOverride())
        return DisplayOverride();
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return std::nullopt;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return std::nullopt;
    DisplayFacts facts;
    facts.DpiX = static_cast<int>(std::lround(screen->logicalDotsPerInchX()));
    facts.DpiY = static_cast<int>(std::lround(screen->logicalDotsPerInchY()));
    facts.Width = screen->geometry().width();
    facts.Height = screen->geometry().height();
    facts.BitsPerPixel = screen->depth();
    return facts;
}

void OverrideDisplayFacts(std::optional<DisplayFacts> facts)
{
    DisplayOverride() = facts;
}

QString DisplayValue(const QString& valueName)
{
    const auto facts = CurrentDisplayFacts();
    if (!facts)
        return {};
    if (valueName == QLatin1String("DPILogicalX"))
        return QString::number(facts->DpiX);
    if (valueName == QLatin1String("DPILogicalY"))
        return QString::number(facts->DpiY);
    if (valueName == QLatin1String("Resolution"))
        return QString::number(facts->Width) + u',' + QString::number(facts->Height);
    if (valueName == QLatin1String("BitsPerPixel"))
        return QString::number(facts->BitsPerPixel);
    return {};
}

QString DefaultPrinterName()
{
    if (PrinterOverride())
        return *PrinterOverride();
    return QPrinterInfo::defaultPrinterName();
}

void OverrideDefaultPrinterName(std::optional<QString> name)
{
    PrinterOverride() = std::move(name);
}

} // namespace Registry
