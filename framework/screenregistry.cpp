#include "screenregistry.h"

ScreenRegistry &ScreenRegistry::instance()
{
    static ScreenRegistry registry;
    return registry;
}

const QStringList &ScreenRegistry::programIds()
{
    static const QStringList ids = {
        "EAS020", "EAS010", "EAS030", "EBI010", "EBI020", "EBI030", "EBI040", "EBI050", "EBS060", "EBS070",
        "EBS080", "EBS090", "EBS100", "EBS110", "EBS120", "EBS130", "ECI010", "ECI020", "ECI030", "ECI040",
        "ECI050", "ECI060", "ECI070", "ECI080", "ECS090", "ECS100", "ECS110", "ECS120", "ECS130", "ECS140",
        "ECS150", "ECS160", "EDI010", "EDI020", "EDI030", "EDS040", "EDS050", "EDS060", "EEI010", "EEI021",
        "EES001", "EES010", "EES020", "EES030", "EES040", "EES140", "EES050", "EES060", "EES070", "EES080",
        "EES090", "EES120", "EES003", "EES004", "EFS010", "EFS020", "EFS030", "EFS040", "EFS050", "EFS060",
        "EFS070", "EGI020", "EHI010", "EHI020", "EHI040", "EHS030", "EHS040"};
    return ids;
}

QString ScreenRegistry::screenClassName(const QString &programId)
{
    if (!programIds().contains(programId))
        return QString();
    return programId == QLatin1String("EEI010") ? QStringLiteral("TfrmEEI020") : QStringLiteral("Tfrm") + programId;
}

bool ScreenRegistry::add(const QString &programId, ScreenFactory factory)
{
    if (!programIds().contains(programId) || !factory)
        return false;
    m_factories.insert(programId, std::move(factory));
    return true;
}

bool ScreenRegistry::has(const QString &programId) const { return m_factories.contains(programId); }

QWidget *ScreenRegistry::create(const QString &programId) const
{
    const auto it = m_factories.constFind(programId);
    return it == m_factories.constEnd() ? nullptr : (*it)();
}
